// The library's control-code display table (two bytes for each received
// code 00h-1Fh) built from the symbols the user chose. Start-up and the
// control-code display dialog both build it here.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <span>

// The two bytes for one symbol: "ｻﾌﾟﾚｽ" FF FF (nothing shown), "・" FF 2E
// (a "." shown), exactly one double-byte cp932 character its two bytes, and
// anything else (empty, several characters, a single-byte character, a
// character with no cp932 form) FF 2E, so the library never gets a pair it
// would print as half a character. The stored symbol text is left as it is.
std::array<char, 2> ctrlCodeDispEntry(const QString& symbol);

// The 64-byte table for codes 0..31 in order.
QByteArray ctrlCodeDispTable(std::span<const QString, 32> symbols);
