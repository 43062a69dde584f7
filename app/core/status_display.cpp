#include "core/status_display.h"

#include "core/main_controls.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "ui/vb_color.h"

namespace {

constexpr int32_t kGreen = 0x00FF00;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kYellow = 0x00FFFF;

using ButtonPair = std::array<QPointer<QPushButton>, 2>;

void paint(QWidget* w, int32_t color) {
    vbcolor::setBackColor(w, color);
}

void paintPair(const ButtonPair& pair, int32_t color0, int32_t color1) {
    paint(pair[0], color0);
    paint(pair[1], color1);
}

void enablePair(const ButtonPair& pair, bool enabled) {
    for (const auto& b : pair)
        if (b) b->setEnabled(enabled);
}

void setVisible(QWidget* w, bool visible) {
    if (w) w->setVisible(visible);
}

void setCaption(QLabel* label, const QString& text) {
    if (label) label->setText(text);
}

// A lamp pair: the "on" button green while the line is on, the "off" button
// red while it is off; the other one in the plain colour.
void paintLamp(const ButtonPair& pair, bool on, int32_t plain) {
    if (on)
        paintPair(pair, kGreen, plain);
    else
        paintPair(pair, plain, kRed);
}

// The three lamp pairs (RTS, DTR, Xon/Xoff) dark: nothing to report.
void paintLampsPlain(const MainControls& c, int32_t plain) {
    for (const ButtonPair* pair : {&c.cmdRTS, &c.cmdDTR, &c.cmdXONF})
        paintPair(*pair, plain, plain);
}

void hideModemLamps(const MainControls& c) {
    for (int i = 0; i < 6; ++i) {
        setVisible(c.lblmsd[i], false);
        setVisible(c.lblMSdo[i], false);
    }
}

bool softFlowSetting() {
    return settings().ComFlow.startsWith(QStringLiteral("ソ"));
}

int32_t readModemStatus() {
    int32_t status = 0;
    lib().ReadModemStatus(&status);
    return status;
}

} // namespace

void DispFlowMode() {
    MainControls& c = mainControls();
    const int32_t window = settings().WindowColor;
    const QString& flow = settings().ComFlow;
    if (flow.startsWith(QStringLiteral("な")) || flow.startsWith(QStringLiteral("ハ"))) {
        enablePair(c.cmdXONF, false);
        paintPair(c.cmdXONF, window, window);
        enablePair(c.cmdRTS, true);
        enablePair(c.cmdDTR, true);
    } else if (flow.startsWith(QStringLiteral("ソ"))) {
        enablePair(c.cmdXONF, true);
        enablePair(c.cmdRTS, true);
        enablePair(c.cmdDTR, true);
    }
    if (flow.startsWith(QStringLiteral("な")))
        setCaption(c.lblFlow, QStringLiteral("フローなし"));
    else if (flow.startsWith(QStringLiteral("ソ")))
        setCaption(c.lblFlow, QStringLiteral("ｿﾌﾄ ﾌﾛｰ"));
    else if (flow.startsWith(QStringLiteral("ハ")))
        setCaption(c.lblFlow, QStringLiteral("ﾊｰﾄﾞ ﾌﾛｰ"));
    paint(c.lblFlow, kYellow);
    DispModemStatus();
}

void DispModemStatus() {
    MainControls& c = mainControls();
    const int32_t window = settings().WindowColor;
    if (shared().ComOpenFlg != 1) {
        paintLampsPlain(c, window);
        return;
    }
    const int32_t status = readModemStatus();
    paintLamp(c.cmdRTS, status & TOVALINE_STATUS_RTS, window);
    paintLamp(c.cmdDTR, status & TOVALINE_STATUS_DTR, window);
    if (softFlowSetting()) {
        // The Xon button is the lamp of "not held": green until we sent XOFF.
        if (status & TOVALINE_STATUS_XOFF_SENT)
            paintPair(c.cmdXONF, window, kRed);
        else
            paintPair(c.cmdXONF, kGreen, window);
    }
}

void DispDtrRtsColor(const ButtonPair& cmdRTS, const ButtonPair& cmdDTR) {
    const int32_t status = readModemStatus();
    paintLamp(cmdRTS, status & TOVALINE_STATUS_RTS, vbcolor::kButtonFace);
    paintLamp(cmdDTR, status & TOVALINE_STATUS_DTR, vbcolor::kButtonFace);
}

void DispToolLineButtons(const ButtonPair& cmdRTS, const ButtonPair& cmdDTR) {
    if (shared().ComOpenFlg == 0) {
        paintPair(cmdRTS, vbcolor::kButtonFace, vbcolor::kButtonFace);
        paintPair(cmdDTR, vbcolor::kButtonFace, vbcolor::kButtonFace);
        return;
    }
    DispDtrRtsColor(cmdRTS, cmdDTR);
}

void SwitchToolLine(int16_t code, const ButtonPair& cmdRTS, const ButtonPair& cmdDTR) {
    if (!ChkComOpen()) return;
    lib().SetLineSt(code);
    DispModemStatus();
    DispToolLineButtons(cmdRTS, cmdDTR);
}

void DispSendRcvEnable() {
    MainControls& c = mainControls();
    const int32_t window = settings().WindowColor;
    const int32_t windowSel = settings().WindowColorSel;
    hideModemLamps(c);
    paintLampsPlain(c, window);
    paint(c.Command3, kRed);
    paint(c.lblRcvS, windowSel);
    paint(c.lblSndS, windowSel);
    paint(c.lblFlow, windowSel);
    setCaption(c.lblRcvS, QStringLiteral("受信不可"));
    setCaption(c.lblSndS, QStringLiteral("送信不可"));
    setVisible(c.Piclcs, true);
}

void ResetMainIndicators() {
    MainControls& c = mainControls();
    const int32_t window = settings().WindowColor;
    setVisible(c.lblFlow, false);
    setVisible(c.lblRcvS, false);
    setVisible(c.lblSndS, false);
    hideModemLamps(c);
    setVisible(c.Piclcs, true);
    paint(c.Command3, kRed);
    paintLampsPlain(c, window);
}

void DispPortParam() {
    MainControls& c = mainControls();
    const Settings& s = settings();
    if (shared().ComOpenFlg != 1) {
        for (QLabel* label : {c.lblCOM.data(), c.lblBPS.data(), c.LBLdatasize.data(),
                              c.lblparity.data(), c.lblstopbit.data()})
            setCaption(label, QString());
        return;
    }
    setCaption(c.lblCOM, s.ComPortName);
    setCaption(c.lblBPS, s.ComBps + QStringLiteral("BPS"));
    setCaption(c.LBLdatasize, s.ComDataBit);
    setCaption(c.lblparity, s.ComParity == QStringLiteral("なし")
                                ? QStringLiteral("ﾊﾟﾘﾃｨなし")
                                : s.ComParity + QStringLiteral("ﾊﾟﾘﾃｨ"));
    setCaption(c.lblstopbit, s.ComStopBit.startsWith(u'1') ? QStringLiteral("1ｽﾄｯﾌﾟﾋﾞｯﾄ")
                                                           : QStringLiteral("2ｽﾄｯﾌﾟﾋﾞｯﾄ"));
}

void DispEnterKeyMode() {
    static const char16_t* const kSuffix[] = {u" CRを送信", u" CR+LFを送信", u"送信しない",
                                              u" LFを送信"};
    const int16_t enter = settings().KeySendEnter;
    if (enter < 0 || enter > 3) return;
    // Two lines on the label: the program broke it with a CR.
    setCaption(mainControls().lblKeyinfo1,
               QStringLiteral("Enter Keyは") + u'\n' + QString::fromUtf16(kSuffix[enter]));
}
