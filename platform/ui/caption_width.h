// The width a control needs to show a caption whole, measured in the
// control's own font and style: the designer's widths were made for other
// fonts, so a control that must hold its caption takes its width from here.
#pragma once

class QLabel;
class QRadioButton;
class QString;

// A label: the text, the label's frame, and a little air on each side so
// that no glyph touches the frame or the next control.
int captionWidth(const QLabel* label, const QString& text);

// An option button: its circle, the gap after it, the text and air after it.
int captionWidth(const QRadioButton* option, const QString& text);
