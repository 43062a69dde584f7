// The state the data views share, one set for the whole program: the receive
// snapshot, the source of the open view, the bytes of the page on screen for
// the pointer read-out, the read-out labels' side thresholds, and the stop
// request of a view that is closing. The views are modal, so only one uses
// it at a time.
#pragma once

#include "views/byte_source.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

struct ViewState {
    // The library's receive ring holds at most this many bytes.
    static constexpr int32_t SnapshotMax = 327680;
    // RcvDumpData's positions 0 to 524,304, as the receive views size it.
    static constexpr std::size_t SnapshotBufferSize = 524305;
    static constexpr std::size_t PageBufferSize = 1025;

    // The receive snapshot in positions 1 to RcvDumpLen; kept after the view
    // that took it closes.
    std::vector<uint8_t> RcvDumpData;
    int32_t RcvDumpLen = 0;

    // The source of the open view: the file (ViewFromFile 1) or the snapshot.
    int16_t ViewFromFile = 0;
    std::unique_ptr<FileSource> ViewFileNo; // the open viewed file
    int64_t ViewDataLen = 0;
    QString ViewFileName; // the path the main window's file dialog chose

    // The bytes of the page on screen of the view that drew last.
    std::array<uint8_t, PageBufferSize> DumpPageBuf{};
    int32_t DumpPageLen = 0;

    // Where the pointer read-out labels change sides (0 at start).
    float HoverFlipX = 0;
    float HoverFlipY = 0;

    // 1 once the open view is closing: drawing that pumps events stops.
    int16_t DrawAbortFlg = 0;

    // Copies the library's whole receive ring into RcvDumpData from
    // position 1 and sets RcvDumpLen (the receive views, at load).
    void takeSnapshot();

    // The bytes of the open view from `first` on (1-based); fewer at the end
    // of the data or where the file cannot be read.
    std::size_t readView(int64_t first, std::span<uint8_t> out) const;

    // DumpPageBuf := the page's bytes (as many as it holds), DumpPageLen :=
    // their count.
    void setPage(std::span<const uint8_t> bytes);
    // Byte i of the page on screen, when there is one.
    bool pageByte(int32_t i, uint8_t& value) const;
};

ViewState& viewState();
