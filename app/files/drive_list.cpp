#include "files/drive_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <dirent.h>

#include <map>

namespace {

DriveSource& installedSource() {
    static DriveSource source;
    return source;
}

std::map<QString, QString>& shownFolders() {
    static std::map<QString, QString> folders;
    return folders;
}

bool underMountArea(const QString& root) {
    for (const char* area : {"/media/", "/run/media/", "/mnt/"}) {
        if (root.startsWith(QLatin1String(area))) return true;
    }
    return root == QLatin1String("/mnt");
}

bool isPrefixFolder(const QString& root, const QString& folder) {
    if (root == QLatin1String("/")) return folder.startsWith(u'/');
    return folder == root || folder.startsWith(root + u'/');
}

} // namespace

std::vector<DriveEntry> systemDrives() {
    std::vector<DriveEntry> drives;
    drives.push_back({QStringLiteral("/"), QStorageInfo::root().name()});
    const QString home = QDir::cleanPath(QDir::homePath());
    if (home != QLatin1String("/")) drives.push_back({home, QStorageInfo(home).name()});
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::cleanPath(volume.rootPath());
        if (underMountArea(root)) drives.push_back({root, volume.name()});
    }
    return drives;
}

std::vector<DriveEntry> pickerDrives() {
    const DriveSource& source = installedSource();
    return source ? source() : systemDrives();
}

void setDriveSource(DriveSource source) {
    installedSource() = std::move(source);
}

QString driveCaption(const DriveEntry& drive) {
    if (drive.volumeName.isEmpty()) return drive.root;
    return drive.root + QStringLiteral("  [") + drive.volumeName + u']';
}

QString driveOf(const QString& folder, const std::vector<DriveEntry>& drives) {
    if (!folder.startsWith(u'/')) return QString();
    const QString clean = QDir::cleanPath(folder);
    QString best;
    for (const DriveEntry& drive : drives) {
        if (isPrefixFolder(drive.root, clean) && drive.root.size() > best.size()) best = drive.root;
    }
    return best;
}

bool driveReady(const QString& root) {
    DIR* dir = ::opendir(QFile::encodeName(root).constData());
    if (!dir) return false;
    ::closedir(dir);
    return true;
}

void rememberShownFolder(const QString& folder, const std::vector<DriveEntry>& drives) {
    const QString drive = driveOf(folder, drives);
    if (!drive.isEmpty()) shownFolders()[drive] = QDir::cleanPath(folder);
}

QString currentFolderOf(const QString& driveRoot) {
    const auto it = shownFolders().find(driveRoot);
    if (it != shownFolders().end() && QFileInfo(it->second).isDir()) return it->second;
    return driveRoot;
}

void forgetShownFolders() {
    shownFolders().clear();
}
