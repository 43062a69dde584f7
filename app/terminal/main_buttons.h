// The handlers of the main window's buttons, under the program's names. Each
// acts on the given window and ends by giving the focus back to its key box.
#pragma once

#include <cstdint>
#include <functional>

class T_Term_frm;

namespace main_buttons {

// Display modes. `button` is the mouse button as the program numbers it
// (1 left, 2 right, 4 middle).
void Cmd_chr_MouseUp(T_Term_frm& f, int16_t button);
void Cmd_hex_MouseUp(T_Term_frm& f, int16_t button);
void Cmd_DecNoSign_MouseUp(T_Term_frm& f, int16_t button);
void Cmd_DecSign_MouseUp(T_Term_frm& f, int16_t button);
void Cmd_BIT_Click(T_Term_frm& f);
void Cmd_Disp_Pat_MouseUp(T_Term_frm& f, int index, int16_t button);
void Cmd_Graph_MouseUp(T_Term_frm& f, int index, int16_t button);
void Cmd_Bit_Clear_Click(T_Term_frm& f, int index);
void Cmd_Scale_Click(T_Term_frm& f);

// Clears.
void Cmd_All_Clear_Click(T_Term_frm& f);
void Command17_Click(T_Term_frm& f);
void Command23_Click(T_Term_frm& f);
void Command24_Click(T_Term_frm& f);
void Cmd_Error_Sts_Click(T_Term_frm& f, int index);
void cmdKeyClear_Click(T_Term_frm& f);

// Line controls.
void cmdDTR_Click(T_Term_frm& f, int index);
void cmdRTS_Click(T_Term_frm& f, int index);
void cmdXONF_Click(T_Term_frm& f, int index);
void Command9_Click(T_Term_frm& f);

// Tool windows.
// A tool window opened after a stop request to every running send (the
// sending windows also start with their unload flag clear); the key box
// has the focus again when it has closed.
void openToolWindow(T_Term_frm& f, bool sendingWindow, const std::function<void()>& open);
void Command3_Click(T_Term_frm& f);
void Command16_Click(T_Term_frm& f);
void Command20_Click(T_Term_frm& f);
void Command13_Click(T_Term_frm& f);
void Command6_Click(T_Term_frm& f);
void Command19_Click(T_Term_frm& f);

} // namespace main_buttons
