// The state of the live receive display that is not saved: what the receive
// poll hands to the byte-mode drawing, and the layout values the mode
// selection computes for it. The saved display settings (DispMode, the scope
// and graph flags, the graph colours) are in settings.h; PrevDispMode is in
// shared_state.h; ScopeLayout and the graph steps and range in RunSettings.
#pragma once

#include "core/display_modes.h"

#include <array>
#include <cstdint>

// PrevDispMode's "no layout in force": the next selection relays out.
inline constexpr int16_t NoDispLayout = -1;

struct DisplayState {
    // Filled by the receive poll from ReadDispGraph: data from index 1
    // (index 0 unused), GraphDataLen bytes valid. In mode 30 the first 32
    // bytes are the eight bit on-edge counts.
    std::array<uint8_t, 1025> RcvDispBytes{};
    int32_t GraphDataLen = 0;
    // Set by InitGraphMode: the bytes the poll asks for per screen.
    int16_t GraphPoints = 300;
    // First byte drawn; the draw dispatcher sets it to 1 before each redraw.
    int32_t GraphFirstIndex = 1;

    // Scope: 40 or 80 columns, set by InitScopeMode.
    int16_t ScopeColumns = 40;

    // The large value (modes 40-42): top-left of its text.
    int32_t CellX = 0;
    int32_t CellY = 0;
};

DisplayState& displayState();
