#include "ui/caption_width.h"

#include <QLabel>
#include <QRadioButton>
#include <QStyle>

namespace {

constexpr int Air = 2; // pixels beside the text

int advance(const QWidget* w, const QString& text) {
    return w->fontMetrics().horizontalAdvance(text);
}

} // namespace

int captionWidth(const QLabel* label, const QString& text) {
    const QMargins m = label->contentsMargins();
    return advance(label, text) + 2 * Air + 2 * label->frameWidth() + m.left() + m.right() +
           2 * label->margin();
}

int captionWidth(const QRadioButton* option, const QString& text) {
    const QStyle* style = option->style();
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option) +
           advance(option, text) + Air;
}
