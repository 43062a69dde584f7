// File names collected byte by byte from a script become text here.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

// Appends the bytes to text as cp932 characters: a lead byte and a next byte
// of 40h or above are one character; a lead byte before a smaller byte, or at
// the end, stands alone.
void BuildSjisText(QString& text, std::span<const uint8_t> bytes);
