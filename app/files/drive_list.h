// The drives of the file picker. Linux has no drive letters: the drives are
// the root "/", the user's home folder and every volume mounted under /media,
// /run/media or /mnt. A folder belongs to the drive whose path is its longest
// prefix.
#pragma once

#include <QString>

#include <functional>
#include <vector>

struct DriveEntry {
    QString root;       // absolute path, no trailing "/" except for "/" itself
    QString volumeName; // the file system's label; may be empty
};

using DriveSource = std::function<std::vector<DriveEntry>()>;

// The drives as the system has them now.
std::vector<DriveEntry> systemDrives();

// The drives the pickers list (tests install a source of their own; an
// empty function goes back to the system's drives).
std::vector<DriveEntry> pickerDrives();
void setDriveSource(DriveSource source);

// The text of a drive's entry in the drive list: its path and volume name.
QString driveCaption(const DriveEntry& drive);

// The root of the listed drive that holds `folder` (longest matching
// prefix), or an empty string when none does (a path that is not absolute,
// such as a stored "C:\...").
QString driveOf(const QString& folder, const std::vector<DriveEntry>& drives);

// A drive is ready when its root can be listed.
bool driveReady(const QString& root);

// The current folder of each drive for the run: the last folder shown on it,
// while it still exists, else the drive's root.
void rememberShownFolder(const QString& folder, const std::vector<DriveEntry>& drives);
QString currentFolderOf(const QString& driveRoot);
void forgetShownFolders();
