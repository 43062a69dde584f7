#include "ui/text_box_look.h"

#include "ui/fonts.h"
#include "ui/vb_color.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace text_box_look {

namespace {
constexpr int MinFontSize = 8, MaxFontSize = 50;
}

void setFontChoice(QPlainTextEdit* box, int choice) {
    const QString name =
        choice == 0 ? QStringLiteral("ＭＳ 明朝") : QStringLiteral("ＭＳ ゴシック");
    box->setFont(fonts::programFont(name, box->font().pointSizeF()));
}

void setFontSize(QPlainTextEdit* box, float pointSize) {
    QFont font = box->font();
    font.setPointSizeF(pointSize);
    box->setFont(font);
}

void fillFontSizes(QComboBox* list, float pointSize) {
    list->clear();
    for (int size = MinFontSize; size <= MaxFontSize; ++size)
        list->addItem(QString::number(size));
    list->setEditText(QString::number(pointSize));
}

std::optional<float> fontSizeOf(const QString& entry) {
    bool ok = false;
    const float size = entry.trimmed().toFloat(&ok);
    if (!ok || size <= 0) return std::nullopt;
    return size;
}

void setColors(QPlainTextEdit* box, int32_t backColor, int32_t foreColor) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, vbcolor::toQColor(backColor));
    pal.setColor(QPalette::Text, vbcolor::toQColor(foreColor));
    box->setPalette(pal);
}

} // namespace text_box_look
