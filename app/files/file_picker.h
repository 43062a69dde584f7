// The drive/folder/file picker that the file tools embed: a drive list
// `Drive1`, a folder list `Dir1`, a file list `File1` and `cmdMyFolder`.
// It shows one folder at a time, opens on the embedding window's folder
// setting (the program's folder when that cannot be shown), follows the user
// from drive to folder to file, and stores the file list's folder back into
// the setting when the window closes.
//
// Dir1 lists the chain from the drive's root to the current folder, then the
// current folder's subfolders: a double click (or Enter) makes an entry the
// current folder, a single click only selects it.
#pragma once

#include "files/drive_list.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class FilePicker : public QWidget {
    Q_OBJECT

  public:
    // The panel's size in twips.
    static constexpr int WidthTw = 4200;
    static constexpr int HeightTw = 6420;

    // `folderSetting` is the window's folder setting, read on open and
    // written on close; `fileStepCaption` the third step caption beside the
    // file list.
    FilePicker(QWidget* parent, QString& folderSetting, QString pattern,
               const QString& fileStepCaption);

    QComboBox* Drive1 = nullptr;
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QPushButton* cmdMyFolder = nullptr;
    QLabel* driveStep = nullptr;
    QLabel* folderStep = nullptr;
    QLabel* fileStep = nullptr;

    // What a click on a file does (the file's name, without folder).
    std::function<void(const QString&)> onFileClick;
    // Some windows disable and enable the folder list again after each
    // folder change, so the keyboard focus leaves it for the next control.
    bool reenableDirAfterChange = false;

    // Part of the window's load: shows the folder setting, or silently the
    // program's folder when the setting cannot be shown.
    void open();
    // Part of the window's unload: the folder setting := the file list's folder.
    void close();

    // The file list's folder ("" until one was shown).
    const QString& filePath() const { return filePath_; }
    // The selected file's name, "" when none is selected.
    QString selectedFile() const;
    // Lists the file list's folder again (a written file shows up).
    void refreshFiles();
    // While a window writes or sends a file the lists are disabled and
    // "My Folder" is hidden.
    void setBusy(bool busy);

    // Handlers under the program's names (tests drive them directly).
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_Click();
    void cmdMyFolder_Click();
    // Makes the entry the current folder, as a double click does.
    void Dir1_Open(int row);
    // The drive list's drive by its root (as the user picks it).
    void pickDrive(const QString& root);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls(const QString& fileStepCaption);
    void fillDriveList();
    void selectDriveEntry(const QString& root);
    QString shownDrive() const;
    QString programDrive() const;
    void showSettingOrProgramFolder(bool refreshDir);
    int showFolder(const QString& folder, bool refreshDir);
    int setDirPath(const QString& folder);
    int setFilePath(const QString& folder);
    void fillDirList();
    void listDirFiles();

    QString& folderSetting_;
    QString pattern_;
    std::vector<DriveEntry> drives_;
    QString dirPath_;
    QString filePath_;
    bool fallingBack_ = false;
};
