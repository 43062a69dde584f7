#include "text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// The width of the widest line of a caption in the control's own font.
int textWidth(const QWidget* w, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

QString captionOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
    return {};
}

// A glyph that touches a label's edge or frame is read as cut.
constexpr int LabelAir = 2;

// The room a control gives its caption against the width its caption needs.
bool captionFits(const QWidget* w, const QString& text) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap()) return true;
        return textWidth(w, text) + LabelAir <= label->contentsRect().width() - 2 * label->margin();
    }
    const bool option = qobject_cast<const QRadioButton*>(w) != nullptr;
    if (option || qobject_cast<const QCheckBox*>(w)) {
        // Where the style draws the caption: right of the circle or the box.
        QStyleOptionButton opt;
        opt.initFrom(w);
        opt.text = text;
        const QRect room = w->style()->subElementRect(
            option ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, w);
        return textWidth(w, text) <= room.width();
    }
    if (qobject_cast<const QPushButton*>(w)) {
        const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
        return textWidth(w, QString(text).remove(u'&')) + 2 * margin <= w->width();
    }
    if (qobject_cast<const QGroupBox*>(w)) return textWidth(w, text) + 16 <= w->width();
    return true;
}

bool showsText(const QWidget* w) {
    return !captionOf(w).isEmpty() || qobject_cast<const QGroupBox*>(w);
}

QString nameOf(const QWidget* w) {
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    return QStringLiteral("%1 \"%2\"").arg(name, captionOf(w));
}

QString rectText(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

QStringList textMisfits(const QWidget* window) {
    QStringList misfits;
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QWidget* w = all[i];
        if (!w->isVisibleTo(window) || !showsText(w)) continue;
        const QString text = captionOf(w);
        if (!captionFits(w, text))
            misfits << QStringLiteral("%1 %2: text %3 wide")
                           .arg(nameOf(w), rectText(w->geometry()))
                           .arg(textWidth(w, text));
        const QWidget* holder = w->parentWidget();
        if (!QRect(QPoint(0, 0), holder->size()).contains(w->geometry()))
            misfits << QStringLiteral("%1 %2 reaches beyond %3 (%4x%5)")
                           .arg(nameOf(w), rectText(w->geometry()), nameOf(holder))
                           .arg(holder->width())
                           .arg(holder->height());
        for (qsizetype j = i + 1; j < all.size(); ++j) {
            const QWidget* other = all[j];
            if (other->parentWidget() != holder || !other->isVisibleTo(window) || !showsText(other))
                continue;
            if (w->geometry().intersects(other->geometry()))
                misfits << QStringLiteral("%1 %2 overlaps %3 %4")
                               .arg(nameOf(w), rectText(w->geometry()), nameOf(other),
                                    rectText(other->geometry()));
        }
    }
    return misfits;
}
