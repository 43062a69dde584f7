// The receive area's layouts and the window's colours: what the mode
// selection, the buttons and the window's own handlers call to arrange and
// paint the main window.
#pragma once

#include <QString>

#include <cstdint>

void SetTextModeButtons();
void SetDecModeButtons();
void SetGraphModeButtons(int16_t index);
void SetScopeModeButtons(int16_t index);
void SetScopeFont();
void SetMainCaption();
void ClsRcvPicture();
void ApplyFormColor();
void RecolorMainButtons(int32_t oldColor);
void ShowRcvPicture(bool visible);
// Character colours of the text display; 0 when OK was pressed, -1 cancelled.
int EditChrColor();

// Prints a page-mode page (cp932 bytes as the library formatted them).
void PrintRcvText(const QByteArray& page);
