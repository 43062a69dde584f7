#include "ui/text_length_limit.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

qsizetype storedLength(QStringView shown) {
    return shown.size() + shown.count(QLatin1Char('\n'));
}

qsizetype fittingLength(QStringView shown, qsizetype maxStoredChars) {
    qsizetype stored = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        stored += shown[i] == QLatin1Char('\n') ? 2 : 1;
        if (stored > maxStoredChars) return i;
    }
    return shown.size();
}

TextLengthLimit::TextLengthLimit(QPlainTextEdit* box, int maxStoredChars,
                                 std::function<bool()> active)
    : QObject(box), box_(box), max_(maxStoredChars), active_(std::move(active)) {
    connect(box->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) {
                insertedFrom_ = position;
                insertedCount_ = added;
            });
    connect(box, &QPlainTextEdit::textChanged, this, [this] { enforce(); });
}

void TextLengthLimit::enforce() {
    const int from = insertedFrom_;
    const int count = insertedCount_;
    insertedCount_ = 0;
    if (count <= 0 || (active_ && !active_())) return;
    const QString shown = box_->toPlainText();
    qsizetype excess = storedLength(shown) - max_;
    const int end = int(std::min<qsizetype>(from + count, shown.size()));
    int start = end;
    while (excess > 0 && start > from) {
        --start;
        excess -= shown.at(start) == QLatin1Char('\n') ? 2 : 1;
    }
    if (start == end) return;
    const QSignalBlocker block(box_);
    QTextCursor cursor(box_->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
