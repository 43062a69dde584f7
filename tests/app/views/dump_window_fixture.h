// The base of the dump window tests: fresh settings and view state, and a
// library whose receive ring holds what the test puts in it.
#pragma once

#include "core/settings.h"
#include "core/tovaline_api.h"
#include "display/display_scroll.h"
#include "modal_dialog_driver.h"
#include "ui/picture_box.h"
#include "views/dump_text.h"
#include "views/off_graph.h"
#include "views/view_state.h"

#include <QScrollBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

inline std::vector<uint8_t>& receiveRing() {
    static std::vector<uint8_t> ring;
    return ring;
}

inline int16_t ringReadDispHex(uint8_t* buf, int32_t* count, int32_t, int32_t, int32_t) {
    std::copy(receiveRing().begin(), receiveRing().end(), buf);
    *count = static_cast<int32_t>(receiveRing().size());
    return 1;
}

// A ramp of `count` bytes: 0, 1, ... 255, 0, 1 ...
inline std::vector<uint8_t> ramp(std::size_t count) {
    std::vector<uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<uint8_t>(i);
    return bytes;
}

// The application must exist before a fixture's window.
struct ApplicationFirst {
    ApplicationFirst() { ensureTestApplication(); }
};

class DumpWindowTest : public ::testing::Test, ApplicationFirst {
  protected:
    void SetUp() override {
        ensureTestApplication();
        settings() = Settings{};
        runSettings() = RunSettings{};
        viewState() = ViewState{};
        offGraph() = OffGraphState{};
        ViewScrollValue() = 0;
        receiveRing().clear();
        static const TovalineApi api = [] {
            TovalineApi a;
            a.ReadDispHex = &ringReadDispHex;
            return a;
        }();
        installTovalineApi(&api);
    }
    void TearDown() override { installTovalineApi(nullptr); }

    // The user moves a bar (a thumb let go, an arrow, a page click).
    static void moveBar(QScrollBar* bar, int value) { bar->setValue(value); }

    // The page's bytes as the view holds them for the pointer read-out.
    static std::vector<uint8_t> pageBytes() {
        const ViewState& v = viewState();
        return {v.DumpPageBuf.begin(), v.DumpPageBuf.begin() + v.DumpPageLen};
    }
};
