#include "core/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "core/capture_file.h"
#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "ui/timer_tick.h"

#include <cerrno>

namespace {

// A name the save can never write (a FIFO, a device, a socket, one of the
// program's running parts) is refused before the dialog asks about replacing
// it, and the dialog stays open for another name. A folder still opens as
// the dialog opens it; the running capture's file is the caller's to answer,
// with its own message.
class CheckedFileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptSave && !chosen.isEmpty()) {
            const int error = writeTargetError(chosen.first());
            if (error != 0 && error != EISDIR &&
                !isCaptureFile(chosen.first(), shared().LogFilePath)) {
                FileErrMsg(error);
                return;
            }
        }
        QFileDialog::accept();
    }
};

enum class DialogKind { Open, Save };

// One dialog serves both: the record in, the chosen path out.
QString runFileDialog(DialogKind kind, QWidget* owner, const QString& filter, OPENFILENAME& ofn) {
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile.clear();
    ofn.lpstrFileTitle.clear();
    ofn.nFileOffset = 0;
    ofn.nFileExtension = 0;

    CheckedFileDialog dialog(owner, ofn.lpstrTitle, ofn.lpstrInitialDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters =
        qtNameFilters(filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= filters.size())
            dialog.selectNameFilter(filters[ofn.nFilterIndex - 1]);
    }
    if (!ofn.lpstrDefExt.isEmpty()) dialog.setDefaultSuffix(ofn.lpstrDefExt);
    if (kind == DialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode((ofn.Flags & ofn_flags::FileMustExist) ? QFileDialog::ExistingFile
                                                                  : QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         (ofn.Flags & ofn_flags::OverwritePrompt) == 0);
    }

    int answer = QDialog::Rejected;
    {
        OutsideTickScope outside;
        answer = dialog.exec();
    }
    const QStringList chosen = dialog.selectedFiles();
    if (answer != QDialog::Accepted || chosen.isEmpty()) return QString();

    if (!filters.isEmpty()) ofn.nFilterIndex = filters.indexOf(dialog.selectedNameFilter()) + 1;
    ofn.lpstrFile = chosen.first();
    ofn.nFileOffset = static_cast<int32_t>(ofn.lpstrFile.lastIndexOf(u'/') + 1);
    ofn.lpstrFileTitle = ofn.lpstrFile.mid(ofn.nFileOffset);
    const qsizetype dot = ofn.lpstrFileTitle.lastIndexOf(u'.');
    ofn.nFileExtension = dot >= 0 ? static_cast<int32_t>(ofn.nFileOffset + dot + 1) : 0;
    return ofn.lpstrFile;
}

} // namespace

QString qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QChar(0));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = parts[i + 1];
        if (description.isEmpty() && patterns.isEmpty()) break;
        // The description often names its patterns already: "テキスト(*.txt)".
        if (description.endsWith(u'(' + patterns + u')')) description.chop(patterns.size() + 2);
        QStringList qtPatterns = patterns.split(u';', Qt::SkipEmptyParts);
        // "*.*" is every file, also one without an extension.
        for (QString& p : qtPatterns)
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
        result << description + u'(' + qtPatterns.join(u' ') + u')';
    }
    return result.join(QStringLiteral(";;"));
}

QString ShowOpen(QWidget* hwndOwner, const QString& filter, OPENFILENAME& ofn) {
    return runFileDialog(DialogKind::Open, hwndOwner, filter, ofn);
}

QString ShowSave(QWidget* hwndOwner, const QString& filter, OPENFILENAME& ofn) {
    ofn.Flags = ofn_flags::OverwritePrompt | ofn_flags::HideReadOnly | ofn_flags::NoChangeDir |
                ofn_flags::PathMustExist | ofn_flags::FileMustExist;
    return runFileDialog(DialogKind::Save, hwndOwner, filter, ofn);
}

QString chosenFolder(const OPENFILENAME& ofn) {
    return ofn.lpstrFile.left(ofn.nFileOffset);
}

QString FileOpenDlg() {
    OPENFILENAME ofn;
    const QString filter =
        QStringLiteral("すべてのファイル(*.*)") + QChar(0) + QStringLiteral("*.*") + QChar(0);
    ofn.lpstrInitialDir = settings().OpenFileFolder;
    ofn.Flags = ofn_flags::HideReadOnly | ofn_flags::NoChangeDir | ofn_flags::PathMustExist |
                ofn_flags::FileMustExist;
    ofn.lpstrTitle = QStringLiteral("ファイルを開く");
    const QString result = ShowOpen(QApplication::activeWindow(), filter, ofn);
    if (result.isEmpty()) return QStringLiteral("");
    settings().OpenFileFolder = chosenFolder(ofn);
    return result;
}
