// What the folder and file lists of the picker show, read from the disk.
// Failures come back as the program's file-error numbers: 68 for a drive
// that cannot be listed, 76 for a folder that does not exist, the errno's
// number for a folder that exists but cannot be read.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct DriveEntry;

inline constexpr int kDriveNotReady = 68;
inline constexpr int kPathNotFound = 76;

struct FolderListing {
    int error = 0;     // 0 = listed
    QStringList names; // sorted, without folder
};

// 0 when `folder` (absolute) can be shown: its drive is ready, it exists and
// it can be listed.
int checkFolder(const QString& folder, const std::vector<DriveEntry>& drives);

// The folders in `folder`. Dot-named entries count as hidden and are left
// out, and so is a name that is not the text it shows (not UTF-8).
FolderListing listSubfolders(const QString& folder);

// The plain files in `folder` whose names match `pattern` ("*.*" is every
// file; other wildcards match in any letter case). Dot-named files, and names
// that are not the text they show, are left out.
FolderListing listFiles(const QString& folder, const QString& pattern);

// folder + "/" + name, with no doubled "/" after the root.
QString joinPath(const QString& folder, const QString& name);
