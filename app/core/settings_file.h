// The settings file: 58 cp932 text lines, CR LF, in the program's folder.
// It holds every field of Settings in a fixed order and, on lines 8 to 10,
// the library's 16 line counters and its 256 + 256 per-byte-value counts, so
// that these counters continue across runs.
//
// Reading takes one sequence of values separated by "," or line ends and stops
// silently at the first value that does not convert (what was read stays).
// Writing goes through a temporary file renamed over the old one, so a failed
// write leaves the previous file whole.
#pragma once

#include "core/settings.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The bare name of the settings file in the program's folder. Start-up sets
// it; while it is empty the file is title & ".OVR".
extern QString OvrFileName;

// The application title: QCoreApplication's name, "VELDRAKON" when none.
QString applicationTitle();

// title & ".OVR".
QString ownSettingsFileName(const QString& title);

// A copy running under another title, whose own file is missing, first loads
// "VELDRAKON.OVR" when that exists: returns that name, or empty when no such
// seeding applies. folder is the program's folder.
QString seedSettingsFileName(const QString& title, const QString& folder);

// The full path of the settings file (program folder & "/" & OvrFileName).
QString settingsFilePath();

// Reads the settings file into settings() and hands the saved counters to the
// library. No file: nothing changes. Never shows a message.
void LoadSetting();

// The start-up choice of the file: seeds from "VELDRAKON.OVR" when that
// applies, then sets OvrFileName to title & ".OVR" and loads it.
void LoadStartUpSettings();

// The library counters that the file carries.
struct SavedCounters {
    std::array<int32_t, 16> lines{};
    std::array<int32_t, 256> received{};
    std::array<int32_t, 256> sent{};
};

// The counters as the library holds them now.
SavedCounters readLibraryCounters();

// The file's bytes for these settings and counters.
QByteArray settingsFileText(const Settings& s, const SavedCounters& counters);

// Reads the file's bytes into s (without the range clamp) and hands the
// counters to the library, as LoadSetting does.
void readSettingsText(const QByteArray& text, Settings& s);

// Writes settings() and the library's counters to the settings file, kept
// its user's (saveWholeFile). False when it could not be written or may not
// be: anything but a regular file, a file the user may not write.
bool SaveSetting();
