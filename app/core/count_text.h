// How the program writes a count for the user: "#,##0", digits grouped by
// three with a comma whatever the locale, as every counter, size and total
// of its windows shows.
#pragma once

#include <QString>

#include <cstdint>

QString formatCount(int64_t value);
