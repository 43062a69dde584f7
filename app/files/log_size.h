// The logging window's size limit: the size list, the typed size and the
// progress of a running capture.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The 19 entries of the size list, "1MB" to "10MB", then "20MB" to "100MB".
QStringList logSizeEntries();

// The KB value an entry writes into the size box: its megabytes × 1024.
QString logSizeEntryKB(int entry);

// The entry that shows a size typed in KB: the one whose megabytes equal
// it / 1024 when it is a whole multiple of 1024; -1 when none does.
int logSizeEntryFor(const QString& sizeText);

// The size limit in KB: the typed number rounded (halves to even), within
// 1..2,097,151 (the largest count of KB whose bytes fit a signed 32-bit
// value); nothing for any other text.
inline constexpr int32_t kMaxLogSizeKB = 2097151;
std::optional<int32_t> readLogSizeKB(const QString& sizeText);

// The share of the limit written so far, in whole percent (halves to even).
int logPercent(int32_t written, int64_t limitBytes);

// The width of the progress bar at that share: 38 twips a percent.
inline constexpr int kBarTwipsPerPercent = 38;
