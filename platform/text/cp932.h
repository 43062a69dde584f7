// The one codec between the program's cp932 (Shift-JIS, Microsoft mapping)
// bytes and Qt strings. Bytes stay bytes wherever the program deals in bytes
// (library pages, key queues, files sent); this converts only at the edge.
//
// Mapping: glibc iconv "CP932", so 0x8160 is U+FF5E "～", 0x817C is U+FF0D
// "－", 5Ch and 7Eh stay ASCII, and half-width kana A1h-DFh map to
// U+FF61-U+FF9F and back.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace cp932 {

// The first byte of a double-byte character: 81h-9Fh and E0h-FCh.
constexpr bool isLeadByte(uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// A character that cp932 writes in one byte: ASCII and the half-width
// katakana U+FF61-U+FF9F. Every other character takes two bytes, and two
// cells of a fixed-pitch display.
constexpr bool isSingleByteChar(char16_t c) {
    return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
}

// The characters of a byte string by the lead-byte rule: a lead byte and the
// byte after it are one character, every other byte is one. A lead byte at the
// very end counts as one character.
qsizetype charCount(QByteArrayView bytes);

// Bytes to text. What cannot be decoded becomes U+30FB "・", the character
// the code page itself shows for it: a lone lead byte at the end, a lead byte
// whose next byte is no trail byte (that next byte is then decoded on its own,
// so an ASCII byte after a broken lead is kept), and an unassigned pair (both
// bytes consumed).
QString toUnicode(QByteArrayView bytes);

// The one character that a lead byte and the byte after it stand for, as
// the views draw a pair in its two cells: "・" when the code page defines
// none (an unassigned pair, or a second byte that is no trail byte).
QString pairCharacter(uint8_t lead, uint8_t trail);

// Text to bytes. A character with no cp932 form becomes "?" (3Fh), one per
// character (a surrogate pair is one character); *ok, when given, tells
// whether every character had a form.
QByteArray fromUnicode(QStringView text, bool* ok = nullptr);

// True when every character of the text has a cp932 form (callers refuse a
// typed key that has none).
bool hasCp932Form(QStringView text);

} // namespace cp932
