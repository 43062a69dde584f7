// The per-byte-value counters as the counter views show them: 32 values a
// page, the label of each value, and the total of all 256 counts.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace code_counts {

inline constexpr int PageSize = 32;
inline constexpr int Pages = 8;

using Counts = std::array<int32_t, 256>;

// "00h ", "0Ah ", "FFh ": two upper-case hex digits, "h" and a blank.
QString valueLabel(int value);

// The sum of the counts, stopped at the library's cap. Summed in 64 bits:
// two counts near the cap would overflow 32.
int32_t cappedTotal(const Counts& counts);

// A count that has reached the cap no longer grows; it is shown in red.
bool atCap(int64_t count);

// The page before and after, wrapping between the first and the last.
int previousPage(int page);
int nextPage(int page);

} // namespace code_counts
