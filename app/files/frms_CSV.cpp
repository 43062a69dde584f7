#include "files/frms_CSV.h"

#include "core/capture_file.h"
#include "core/error_messages.h"
#include "core/file_dialogs.h"
#include "core/file_io.h"
#include "core/msgbox.h"
#include "core/program_folder.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "files/csv_convert.h"
#include "files/overwrite_question.h"
#include "files/window_controls.h"
#include "ui/event_pump.h"
#include "ui/vb_timer.h"

#include <QApplication>
#include <QGroupBox>
#include <QRadioButton>

using namespace files_ui;

namespace {

const QString kFilter =
    QStringLiteral("すべてのファイル(*.*)") + QChar(0) + QStringLiteral("*.*") + QChar(0);
constexpr int32_t kDialogFlags = ofn_flags::FileMustExist | ofn_flags::PathMustExist |
                                 ofn_flags::NoChangeDir | ofn_flags::HideReadOnly;

// The result notices stand framed by 8 blanks on each side.
QString framed(const QString& text) {
    const QString blanks(8, u' ');
    return blanks + text + blanks;
}

} // namespace

void frms_CSV::Run(QWidget* parent) {
    Settings& st = settings();
    // The TAB and SP choices are not offered: a stored one becomes CR+LF.
    if (st.CsvKugiri == 1 || st.CsvKugiri == 2) st.CsvKugiri = 3;
    frms_CSV window(parent);
    window.Form_Load();
    window.showModal();
}

frms_CSV::frms_CSV(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(QStringLiteral("Binary File → CSV形式File 変換"));
    buildControls();
}

void frms_CSV::buildControls() {
    setFixedSize(twips::toPixels(5700), twips::toPixels(4500));
    CmdRead = button(this, QStringLiteral("CSV Conversion Entry"), 360, 240, 4900, 600);

    Frame1 = new QGroupBox(QStringLiteral("●サイン有無選択 (Binary 1 Byte)"), this);
    place(Frame1, 360, 1080, 4900, 1140);
    const char* const signs[2] = {"0～255    （サインなし）", "-128～127 （サインあり）"};
    for (int i = 0; i < 2; ++i) {
        OptData[size_t(i)] = new QRadioButton(QString::fromUtf8(signs[i]), Frame1);
        place(OptData[size_t(i)], 240, 330 + i * 360, 4400, 330);
        connect(OptData[size_t(i)], &QRadioButton::clicked, this,
                [i] { settings().CsvSignMode = int16_t(i); });
    }

    Frame2 = new QGroupBox(QStringLiteral("●区切りコード選択"), this);
    place(Frame2, 360, 2400, 4900, 1140);
    const char* const delimiters[4] = {", カンマ", "TAB", "SP", "CR+LF"};
    const int lefts[4] = {240, 1500, 2700, 240};
    const int tops[4] = {330, 330, 330, 690};
    for (int i = 0; i < 4; ++i) {
        OptKugiri[size_t(i)] = new QRadioButton(QString::fromUtf8(delimiters[i]), Frame2);
        place(OptKugiri[size_t(i)], lefts[i], tops[i], 1800, 330);
        connect(OptKugiri[size_t(i)], &QRadioButton::clicked, this,
                [i] { settings().CsvKugiri = int16_t(i); });
    }
    OptKugiri[1]->hide();
    OptKugiri[2]->hide();

    Timer1 = new VbTimer(this, 1, false);
    Timer1->setHandler([this] { Timer1_Timer(); });
    connect(CmdRead, &QPushButton::clicked, this, [this] { CmdRead_Click(); });
}

void frms_CSV::Form_Load() {
    Settings& st = settings();
    const QString programFolder = programFolderPath() + u'/';
    if (st.CsvSrcFolder.isEmpty()) st.CsvSrcFolder = programFolder;
    if (st.CsvDstFolder.isEmpty()) st.CsvDstFolder = programFolder;
    if (st.CsvSignMode >= 0 && st.CsvSignMode < 2)
        OptData[size_t(st.CsvSignMode)]->setChecked(true);
    if (st.CsvKugiri >= 0 && st.CsvKugiri < 4) OptKugiri[size_t(st.CsvKugiri)]->setChecked(true);
}

void frms_CSV::CmdRead_Click() {
    if (busy_ != 0) return;
    busy_ = 1;
    step_ = ChooseSource;
    Timer1->setInterval(1);
    Timer1->setEnabled(true);
}

void frms_CSV::Timer1_Timer() {
    switch (step_) {
    case ChooseSource:
        source_ = SelSrcFile();
        step_ = source_.isEmpty() || refusedAsCaptureFile(source_) ? Finish : ChooseDestination;
        break;
    case ChooseDestination:
        destination_ = SelDstFile();
        step_ = destination_.isEmpty() || refusedDestination(destination_) ? Finish : Convert;
        break;
    case Convert:
        convert();
        step_ = Finish;
        break;
    default:
        Timer1->setEnabled(false);
        busy_ = 0;
        break;
    }
}

// A file chosen in a common dialog starting in `folder`, which then becomes
// the chosen file's folder; "" when cancelled.
QString frms_CSV::chooseFile(ShowDialog show, const QString& title, QString& folder) {
    OPENFILENAME ofn;
    ofn.lpstrInitialDir = folder;
    ofn.lpstrTitle = title;
    ofn.Flags = kDialogFlags;
    const QString path = show(this, kFilter, ofn);
    if (!path.isEmpty()) folder = chosenFolder(ofn);
    return path;
}

QString frms_CSV::SelSrcFile() {
    return chooseFile(ShowOpen, QStringLiteral("ソース ファイル ( Binary File )"),
                      settings().CsvSrcFolder);
}

QString frms_CSV::SelDstFile() {
    return chooseFile(ShowSave, QStringLiteral("ディストネーション ファイル ( CSV File )"),
                      settings().CsvDstFolder);
}

bool frms_CSV::refusedAsCaptureFile(const QString& path) {
    if (!isCaptureFile(path, shared().LogFilePath)) return false;
    MsgBoxXShow(QStringLiteral("このファイルはロギング処理で使用しています｡"), 0, QString());
    return true;
}

// Besides the capture's file, the program's own running parts are never
// written over.
bool frms_CSV::refusedDestination(const QString& path) {
    if (refusedAsCaptureFile(path)) return true;
    const int error = writeTargetError(path);
    if (error != 0) FileErrMsg(error);
    return error != 0;
}

// The save dialog asked about the name the user chose; the name that is
// written has ".CSV" added, so it is checked as the dialog would have.
bool frms_CSV::renamedDestinationAccepted(const QString& path) {
    if (refusedDestination(path)) return false;
    // The source itself is refused by the conversion, with its error message.
    return isSameFile(path, source_) || mayOverwrite(path, QString());
}

void frms_CSV::convert() {
    const QString destination = csvDestinationPath(destination_);
    if (destination != destination_ && !renamedDestinationAccepted(destination)) return;
    const Settings& st = settings();
    const bool converted =
        ConvBinToCsv(source_, destination, {st.CsvSignMode, st.CsvKugiri}, [] { pumpEvents(); });
    QApplication::beep();
    MsgBoxXShow(framed(converted ? QStringLiteral("変換が終了しました。")
                                 : QStringLiteral("変換中に、エラーがありました。")),
                0, QString());
}

// The close box is refused while the steps run.
void frms_CSV::done(int result) {
    if (busy_ == 1) return;
    ToolWindow::done(result);
}
