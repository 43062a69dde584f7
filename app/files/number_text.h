// Numbers typed into the file tools' boxes: a decimal number with optional
// sign, fraction and exponent ("12", "-3", "2.5", ".5", "1e3"), with blanks
// around it allowed. The point is the decimal mark in every locale.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The value of the text, or nothing when it is not such a number. A value
// too large for a double comes back infinite.
std::optional<double> readNumber(const QString& text);

// The value of the text rounded to a whole number (halves to the even
// neighbour) when that lies within lo..hi; nothing otherwise.
std::optional<int32_t> wholeNumberWithin(const QString& text, int32_t lo, int32_t hi);

// The rounded value of a numeric text held to lo..hi; nothing for a text
// that is not a number.
std::optional<int32_t> wholeNumberClamped(const QString& text, int32_t lo, int32_t hi);
