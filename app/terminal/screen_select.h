// Choosing the display mode of the main window's receive area. Each
// procedure relays out the main window for its mode and redraws it; the
// receive poll then keeps drawing in that mode. A procedure does nothing when
// its mode is already in force (PrevDispMode), so a repeated click costs no
// redraw; setting PrevDispMode to NoDispLayout forces the next one.
#pragma once

#include <cstdint>

// The one entry through which other windows change the mode: the selector
// button `index` (DispButtonNo 0..15) clicked with mouse button `button`
// (1 left, 2 right). Other indexes, and button 12, do nothing.
void SelectDispScreen(int16_t index, int16_t button);

// One procedure per mode. The scope procedures take 1 when the scope's
// column layout changed, which forces the relayout.
void SelectSjisTextMode();
void SelectHexMode();
void SelectBigHexMode();
void SelectDecMode();
void SelectBigDecMode();
void SelectSignedDecMode();
void SelectBigSignedDecMode();
void SelectBitEdgeCounterMode();
void SelectScopeJis8Mode(int16_t relayout);
void SelectScopeAsciiMode(int16_t relayout);
void SelectScopeSjisMode(int16_t relayout);
void SelectBitDispMode();
void SelectBitLampMode();
void SelectSquareWaveMode();
void SelectSquareWaveMode2();
