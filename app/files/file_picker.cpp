#include "files/file_picker.h"

#include "core/error_messages.h"
#include "core/msgbox.h"
#include "core/program_folder.h"
#include "files/folder_listing.h"
#include "files/window_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

using namespace files_ui;

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int Indent = 2; // spaces a folder level

QString cleanFolder(const QString& folder) {
    return QDir::cleanPath(folder);
}

// The folders from the drive's root down to `folder`, root first.
QStringList folderChain(const QString& driveRoot, const QString& folder) {
    QStringList chain{folder};
    QString f = folder;
    while (!driveRoot.isEmpty() && f != driveRoot && f.size() > driveRoot.size()) {
        f = QFileInfo(f).path();
        chain.prepend(f);
    }
    return chain;
}

} // namespace

FilePicker::FilePicker(QWidget* parent, QString& folderSetting, QString pattern,
                       const QString& fileStepCaption)
    : QWidget(parent), folderSetting_(folderSetting), pattern_(std::move(pattern)) {
    buildControls(fileStepCaption);
}

void FilePicker::buildControls(const QString& fileStepCaption) {
    setFixedSize(twips::toPixels(WidthTw), twips::toPixels(HeightTw));
    driveStep = label(this, QStringLiteral("１．ドライブ名を指定"), 0, 0, WidthTw);
    Drive1 = new QComboBox(this);
    place(Drive1, 0, 270, WidthTw, 330);
    folderStep =
        label(this, QStringLiteral("２．フォルダーを選択（ダブルクリック）"), 0, 690, WidthTw);
    Dir1 = new QListWidget(this);
    place(Dir1, 0, 960, WidthTw, 2280);
    fileStep = label(this, fileStepCaption, 0, 3330, WidthTw);
    File1 = new QListWidget(this);
    place(File1, 0, 3600, WidthTw, 2280);
    cmdMyFolder = button(this, QStringLiteral("My Folder"), 0, 6000, 1500, 420);
    cmdMyFolder->setToolTip(QStringLiteral("VELDRAKONのフォルダーに戻ります"));

    Dir1->installEventFilter(this);
    connect(Drive1, &QComboBox::activated, this,
            [this](int index) { pickDrive(Drive1->itemData(index).toString()); });
    connect(Dir1, &QListWidget::itemClicked, this, [this] { Dir1_Click(); });
    connect(Dir1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Dir1_Open(Dir1->row(item)); });
    connect(File1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (onFileClick) onFileClick(item->text());
    });
    connect(cmdMyFolder, &QPushButton::clicked, this, [this] { cmdMyFolder_Click(); });
}

void FilePicker::open() {
    showSettingOrProgramFolder(false);
}

void FilePicker::close() {
    if (!filePath_.isEmpty()) folderSetting_ = filePath_;
}

void FilePicker::cmdMyFolder_Click() {
    folderSetting_ = programFolderPath();
    showSettingOrProgramFolder(true);
}

// Any failure to show the setting (a drive gone, a folder removed or
// unreadable, a setting from another system) falls back to the program's
// folder without a message; when even that fails, the lists stay as they are.
void FilePicker::showSettingOrProgramFolder(bool refreshDir) {
    fillDriveList();
    if (showFolder(folderSetting_, refreshDir) == 0) return;
    folderSetting_ = programFolderPath();
    showFolder(folderSetting_, refreshDir);
}

int FilePicker::showFolder(const QString& folder, bool refreshDir) {
    const QString drive = driveOf(folder, drives_);
    if (drive.isEmpty()) return kPathNotFound;
    if (!driveReady(drive)) return kDriveNotReady;
    if (const int error = setDirPath(folder)) return error;
    selectDriveEntry(drive);
    if (const int error = setFilePath(folder)) return error;
    if (refreshDir) fillDirList();
    return 0;
}

void FilePicker::fillDriveList() {
    drives_ = pickerDrives();
    const QSignalBlocker quiet(Drive1);
    Drive1->clear();
    for (const DriveEntry& drive : drives_)
        Drive1->addItem(driveCaption(drive), drive.root);
    Drive1->setCurrentIndex(-1);
}

void FilePicker::selectDriveEntry(const QString& root) {
    const QSignalBlocker quiet(Drive1);
    Drive1->setCurrentIndex(Drive1->findData(root));
}

QString FilePicker::shownDrive() const {
    return driveOf(dirPath_, drives_);
}

QString FilePicker::programDrive() const {
    return driveOf(programFolderPath(), drives_);
}

void FilePicker::pickDrive(const QString& root) {
    selectDriveEntry(root);
    if (root != shownDrive()) Drive1_Change();
}

// The chosen drive's current folder; a drive that cannot be shown sends the
// panel back to the program's drive, once (when that fails as well, the
// panel stays where it is rather than trying again).
void FilePicker::Drive1_Change() {
    const QString drive = Drive1->currentData().toString();
    int error = driveReady(drive) ? setDirPath(currentFolderOf(drive)) : kDriveNotReady;
    if (error == 0) {
        Dir1_Change();
        return;
    }
    if (fallingBack_) return;
    if (error == kDriveNotReady) {
        MsgBoxXShow(QStringLiteral("ドライブが準備されていません"), 0, QString());
    }
    fallingBack_ = true;
    selectDriveEntry(programDrive());
    Drive1_Change();
    fallingBack_ = false;
    // The list shows the drive of the folder actually shown.
    selectDriveEntry(shownDrive());
}

void FilePicker::Dir1_Change() {
    listDirFiles();
    if (reenableDirAfterChange) {
        Dir1->setEnabled(false);
        Dir1->setEnabled(true);
    }
}

void FilePicker::Dir1_Click() {
    listDirFiles();
}

void FilePicker::listDirFiles() {
    if (const int error = setFilePath(dirPath_)) FileErrMsgNumber(error);
}

void FilePicker::Dir1_Open(int row) {
    const QListWidgetItem* item = Dir1->item(row);
    if (!item) return;
    const QString folder = item->data(PathRole).toString();
    if (folder == dirPath_) {
        Dir1_Click();
        return;
    }
    if (const int error = setDirPath(folder)) {
        FileErrMsgNumber(error);
        return;
    }
    Dir1_Change();
}

int FilePicker::setDirPath(const QString& folder) {
    const QString clean = cleanFolder(folder);
    if (const int error = checkFolder(clean, drives_)) return error;
    dirPath_ = clean;
    rememberShownFolder(clean, drives_);
    fillDirList();
    return 0;
}

void FilePicker::fillDirList() {
    const FolderListing subfolders = listSubfolders(dirPath_);
    const QStringList chain = folderChain(shownDrive(), dirPath_);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    Dir1->clear();
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& folder = chain[depth];
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open, QString(depth * Indent, u' ') + name, Dir1);
        item->setData(PathRole, folder);
    }
    const QString childIndent(int(chain.size()) * Indent, u' ');
    for (const QString& name : subfolders.names) {
        auto* item = new QListWidgetItem(closed, childIndent + name, Dir1);
        item->setData(PathRole, joinPath(dirPath_, name));
    }
    Dir1->setCurrentRow(int(chain.size()) - 1);
}

int FilePicker::setFilePath(const QString& folder) {
    const FolderListing files = listFiles(folder, pattern_);
    if (files.error != 0) return files.error;
    filePath_ = folder;
    File1->clear();
    File1->addItems(files.names);
    return 0;
}

QString FilePicker::selectedFile() const {
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FilePicker::refreshFiles() {
    if (!filePath_.isEmpty()) setFilePath(filePath_);
}

void FilePicker::setBusy(bool busy) {
    for (QWidget* list : {static_cast<QWidget*>(Drive1), static_cast<QWidget*>(Dir1),
                          static_cast<QWidget*>(File1)}) {
        list->setEnabled(!busy);
    }
    cmdMyFolder->setVisible(!busy);
}

bool FilePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Dir1_Open(Dir1->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
