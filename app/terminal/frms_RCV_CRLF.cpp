#include "terminal/frms_RCV_CRLF.h"

#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

using twips::toPixels;

namespace {

// SetParaDisp's two unused arguments, passed as the program always passed them.
constexpr int16_t UnusedParam = 10;

QGroupBox* choiceFrame(QWidget* parent, const QString& title, std::array<QRadioButton*, 2>& options,
                       const QString& sameLine, const QString& newLine, int top) {
    auto* frame = new QGroupBox(title, parent);
    twips::place(frame, 240, top, 3600, 1080);
    options[0] = new QRadioButton(sameLine, frame);
    twips::place(options[0], 240, 300, 3200, 300);
    options[1] = new QRadioButton(newLine, frame);
    twips::place(options[1], 240, 660, 3200, 300);
    return frame;
}

} // namespace

void frms_RCV_CRLF::Run(QWidget* parent) {
    frms_RCV_CRLF dialog(parent != nullptr ? parent : QApplication::activeWindow());
    dialog.Form_Load();
    dialog.showModal();
}

frms_RCV_CRLF::frms_RCV_CRLF(QWidget* parent) : ModalWindow(parent) {
    setWindowTitle(QStringLiteral("受信復帰・改行設定"));
    setFixedSize(toPixels(4080), toPixels(3360));
    Frame1 = choiceFrame(this, QStringLiteral("CR"), Option1, QStringLiteral("CRで同一ポジション"),
                         QStringLiteral("CRで復帰・改行"), 120);
    Frame2 = choiceFrame(this, QStringLiteral("LF"), Option2, QStringLiteral("LFで同一ポジション"),
                         QStringLiteral("LFで復帰・改行"), 1320);
    Command1 = twips::button(this, QStringLiteral("デフォルト"), 240, 2640, 1500, 435);
    Command2 = twips::button(this, QStringLiteral("OK"), 2340, 2640, 1500, 435);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frms_RCV_CRLF::Form_Load() {
    const Settings& s = settings();
    Option1[s.CrNewLineFlg != 0 ? 1 : 0]->setChecked(true);
    Option2[s.LfNewLineFlg != 0 ? 1 : 0]->setChecked(true);
}

void frms_RCV_CRLF::Command1_Click() {
    Option1[0]->setChecked(true);
    Option2[1]->setChecked(true);
}

void frms_RCV_CRLF::Command2_Click() {
    Settings& s = settings();
    s.CrNewLineFlg = Option1[0]->isChecked() ? 0 : 1;
    s.LfNewLineFlg = Option2[0]->isChecked() ? 0 : 1;
    lib().SetParaDisp(shared().DispPageLines, shared().DispColumns, UnusedParam, UnusedParam,
                      s.CrNewLineFlg, s.LfNewLineFlg);
    accept();
}
