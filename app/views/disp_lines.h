// The received text lines as line view A holds them: split from the
// library's text-line store, paged 24 rows at a time, and kept for the text
// save while the view is open.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

// The library keeps at most this many lines.
inline constexpr int32_t MaxDispLines = 2000;
inline constexpr int DispLinesPerPage = 24;

// The lines line view A read when it last opened (cp932 bytes, each complete
// line ending with CR LF, the line being filled last and without one), and
// how many of them count: the library's line count.
struct DispLineStore {
    std::vector<QByteArray> DispLines;
    int32_t DispLineCount = 0;
};

DispLineStore& dispLineStore();

// Splits the store's text into lines: CR ends a line with CR LF, LF is
// dropped, a lead byte pairs with a following byte of 40h or more, and a
// byte that is no character (80h, A0h, FDh-FFh, or a lead byte without its
// trail) becomes ".". Stops after line 2000.
std::vector<QByteArray> SplitDispLines(QByteArrayView text);

// The rows a page shows: from line `top`, at most 24 and none at or beyond
// `count`, decoded, without their line ends.
std::vector<QString> dispPageRows(const std::vector<QByteArray>& lines, int32_t count, int32_t top);

// The scroll bar over `lineCount` lines, as the view sets it when it opens.
struct DispLineScroll {
    bool visible = false; // only from a full page on
    int32_t top = 0;      // the first line shown, also the bar's value
    int32_t max = 0;
    int32_t largeStep = 1;
};

DispLineScroll dispLineScroll(int32_t lineCount);
