// The look of a text box that the user sets in the editing windows: one of
// the two fonts, its size from the list 8 to 50, and the text and back
// colours.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QComboBox;
class QPlainTextEdit;

namespace text_box_look {

// 0 "ＭＳ 明朝", any other choice "ＭＳ ゴシック"; the size stays.
void setFontChoice(QPlainTextEdit* box, int choice);
void setFontSize(QPlainTextEdit* box, float pointSize);

// Fills the size list with 8 to 50 and shows the size in force.
void fillFontSizes(QComboBox* list, float pointSize);
// The size a chosen or typed entry stands for, when it is one.
std::optional<float> fontSizeOf(const QString& entry);

// Colours as stored (0x00BBGGRR).
void setColors(QPlainTextEdit* box, int32_t backColor, int32_t foreColor);

} // namespace text_box_look
