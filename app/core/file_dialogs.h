// The open and save file dialogs the program calls. The caller owns the
// dialog record: it fills the filter, the initial folder, the title and the
// flags; ShowOpen and ShowSave fill the rest.
#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// Flags of the dialog record, as the program passes them.
namespace ofn_flags {
inline constexpr int32_t OverwritePrompt = 0x2;
inline constexpr int32_t HideReadOnly = 0x4;
inline constexpr int32_t NoChangeDir = 0x8;
inline constexpr int32_t PathMustExist = 0x800;
inline constexpr int32_t FileMustExist = 0x1000;
} // namespace ofn_flags

struct OPENFILENAME {
    QWidget* hwndOwner = nullptr;
    // Pairs of description and patterns, each ended by a NUL character, as
    // "すべてのファイル(*.*)" NUL "*.*" NUL; several patterns are joined by ";".
    QString lpstrFilter;
    int32_t nFilterIndex = 1; // 1-based; the pair the user last chose
    QString lpstrInitialDir;
    QString lpstrTitle;
    QString lpstrDefExt; // added when the typed name has no extension
    int32_t Flags = 0;

    // Results. lpstrFile is the whole chosen path, however long; the offsets
    // count characters of that path (the path is text here, not bytes).
    QString lpstrFile;
    QString lpstrFileTitle;     // the file's name without its folder
    int32_t nFileOffset = 0;    // where the name begins: the folder with its "/" before it
    int32_t nFileExtension = 0; // where the extension begins, 0 when there is none
};

// The open-file dialog. Returns the chosen full path, or a null string when
// the user cancelled.
QString ShowOpen(QWidget* hwndOwner, const QString& filter, OPENFILENAME& ofn);

// The save-file dialog (it asks before replacing a file). As ShowOpen.
QString ShowSave(QWidget* hwndOwner, const QString& filter, OPENFILENAME& ofn);

// The folder part of a path the dialog returned, with its trailing "/".
QString chosenFolder(const OPENFILENAME& ofn);

// The program's general open dialog "ファイルを開く" for any file, starting in
// settings().OpenFileFolder. Returns the full path, or "" when cancelled; a
// choice makes its folder the new OpenFileFolder.
QString FileOpenDlg();

// Qt's filter text for a filter in the record's form.
QString qtNameFilters(const QString& filter);
