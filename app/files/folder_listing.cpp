#include "files/folder_listing.h"

#include "core/error_messages.h"
#include "files/drive_list.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

enum class EntryKind { Folder, File };

bool isKind(const QByteArray& path, EntryKind kind) {
    struct stat st {};
    // Links count as what they point to.
    if (::stat(path.constData(), &st) != 0) return false;
    return kind == EntryKind::Folder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
}

void sortNames(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

template <typename Accept>
FolderListing listEntries(const QString& folder, EntryKind kind, Accept accept) {
    FolderListing listing;
    const QByteArray encoded = QFile::encodeName(folder);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(encoded.constData()), ::closedir);
    if (!dir) {
        listing.error = errno == ENOENT ? kPathNotFound : fileErrorNumber(errno);
        return listing;
    }
    const QByteArray prefix = encoded.endsWith('/') ? encoded : encoded + '/';
    while (const dirent* entry = ::readdir(dir.get())) {
        if (entry->d_name[0] == '.') continue;
        // A name its text cannot spell back (bytes that are not UTF-8, such
        // as a cp932 name from a Windows disk) would lead every open, save
        // or capture to another file: it is left out.
        const QString name = QFile::decodeName(entry->d_name);
        if (QFile::encodeName(name) != entry->d_name) continue;
        if (!isKind(prefix + entry->d_name, kind)) continue;
        if (accept(name)) listing.names.append(name);
    }
    sortNames(listing.names);
    return listing;
}

} // namespace

int checkFolder(const QString& folder, const std::vector<DriveEntry>& drives) {
    const QString drive = driveOf(folder, drives);
    if (drive.isEmpty()) return kPathNotFound;
    if (!driveReady(drive)) return kDriveNotReady;
    if (!QFileInfo(folder).isDir()) return kPathNotFound;
    return listSubfolders(folder).error;
}

FolderListing listSubfolders(const QString& folder) {
    return listEntries(folder, EntryKind::Folder, [](const QString&) { return true; });
}

FolderListing listFiles(const QString& folder, const QString& pattern) {
    if (pattern == QLatin1String("*.*")) {
        return listEntries(folder, EntryKind::File, [](const QString&) { return true; });
    }
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                   QRegularExpression::CaseInsensitiveOption);
    return listEntries(folder, EntryKind::File,
                       [&match](const QString& name) { return match.match(name).hasMatch(); });
}

QString joinPath(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}
