// What a byte means to the dump layouts (internal to the layouts).
#pragma once

#include "views/dump_text.h"

#include <QString>

#include <cstdint>

namespace dump_bytes {

// 21h-7Eh and the half-width katakana A1h-DFh, shown as their one character.
bool isCharacterByte(uint8_t b);
QString singleCharacter(uint8_t b);
// The five-cell name of 00h-20h ("NUL  " ... "SP   ").
QString controlName(uint8_t b);

enum class SjisStep {
    Lead,      // the byte starts a double-byte character
    Pair,      // the byte completes the character begun by the lead before it
    AfterLead, // a byte below 40h after a lead: the lead stood alone
    Single,    // any other byte
};

// The pairing of lead and trail bytes, carried from line to line.
class SjisPairing {
  public:
    explicit SjisPairing(SjisCarry start) : state(start) {}
    SjisStep feed(uint8_t b);
    // The character of the last Pair, one glyph ("・" when the pair is none).
    const QString& character() const { return character_; }

    SjisCarry state;

  private:
    QString character_;
};

} // namespace dump_bytes
