#include "senders/frms_Key_set.h"

#include "core/settings.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

using twips::toPixels;

namespace {

template <size_t N>
QGroupBox* optionFrame(QWidget* parent, const QString& title, std::array<QRadioButton*, N>& options,
                       const std::array<const char16_t*, N>& captions, int left, int top,
                       int width) {
    constexpr int Row = 330;
    auto* frame = new QGroupBox(title, parent);
    twips::place(frame, left, top, width, 300 + int(N) * Row + 120);
    for (size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(QString::fromUtf16(captions[i]), frame);
        twips::place(options[i], 180, 300 + int(i) * Row, width - 300, 300);
    }
    return frame;
}

} // namespace

void frms_Key_set::Show(QWidget* parent) {
    frms_Key_set dialog(parent);
    dialog.Form_Load();
    dialog.showModal();
}

frms_Key_set::frms_Key_set(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(QStringLiteral("キー送信設定"));
    setFixedSize(toPixels(6240), toPixels(3060));
    Frame1 = optionFrame<2>(this, QStringLiteral("出力方式"), Option1,
                            {u"１文字毎に送信", u"１行 毎に送信 （Enter入力毎）"}, 120, 120, 3600);
    Frame3 = optionFrame<2>(this, QStringLiteral("Mode"), Option3, {u"通常出力", u"翻訳出力"}, 3840,
                            120, 2280);
    Frame2 = optionFrame<4>(
        this, QStringLiteral("Enter Key 押下で"), Option2,
        {u"CR Code 送信", u"CR + LF Code 送信", u"Enter Key を送信しない", u"LF Code 送信"}, 120,
        1260, 3600);
    Command1 = twips::button(this, QStringLiteral("OK"), 4320, 2340, 1440, 480);

    for (int i = 0; i < 2; ++i)
        connect(Option1[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frms_Key_set::Form_Load() {
    const Settings& s = settings();
    Option1[s.KeySendUnit == 1 ? 1 : 0]->setChecked(true);
    Option2[size_t(s.KeySendEnter >= 0 && s.KeySendEnter <= 3 ? s.KeySendEnter : 1)]->setChecked(
        true);
    Option3[s.KeySendMode == 1 ? 1 : 0]->setChecked(true);
    Frame3->setVisible(s.KeySendUnit == 1);
}

void frms_Key_set::Option1_Click(int index) {
    // The mode choice stays selected while its frame is hidden.
    Frame3->setVisible(index == 1);
}

void frms_Key_set::Command1_Click() {
    Settings& s = settings();
    s.KeySendUnit = Option1[0]->isChecked() ? 0 : 1;
    s.KeySendMode = Option3[0]->isChecked() ? 0 : 1;
    s.KeySendEnter = Option2[0]->isChecked()   ? 0
                     : Option2[1]->isChecked() ? 1
                     : Option2[2]->isChecked() ? 2
                                               : 3;
    accept();
}
