// The name a text file is saved under, from what the user typed.
#pragma once

#include <QString>

#include <optional>

// The typed name without blanks around it, with ".txt" appended unless it
// ends in ".TXT" in any letter case; nothing when no name is left.
std::optional<QString> txtSaveName(const QString& typed);
