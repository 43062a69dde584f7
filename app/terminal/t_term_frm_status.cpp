// The status poll: lamps, send/receive state, the key queue's flush and the
// line-error buttons, every 50 ms while the port is open.
#include "terminal/t_term_frm.h"

#include "core/error_messages.h"
#include "core/key_queue.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "terminal/status_poll.h"
#include "ui/fonts.h"
#include "ui/vb_color.h"

#include <QApplication>

namespace {
using namespace vbcolors;

constexpr double ControlFontSize = 9;

KeyQueueFlush& keyFlush() {
    static KeyQueueFlush flush;
    return flush;
}

void showFlowLabel(QLabel* label, bool ok, const QString& okText, const QString& heldText) {
    vbcolor::setBackColor(label, ok ? Green : Red);
    label->setText(ok ? okText : heldText);
}

bool isRed(const QPushButton* b) {
    return vbcolor::fromQColor(b->palette().color(QPalette::Button)) == Red;
}
} // namespace

void T_Term_frm::MainTimer3() {
    SharedState& s = shared();
    if (s.ComOpenFlg == 0) return;

    int32_t status = 0;
    lib().ReadModemStatus(&status);
    const std::array<bool, 6> on = modemLampsOn(status);
    for (int i = 0; i < 6; ++i) {
        lblmsd[i]->setVisible(!on[i]);
        lblMSdo[i]->setVisible(on[i]);
    }
    const FlowState flow = flowState(s.FlowMode, status);
    showFlowLabel(lblRcvS, flow.receiveOk, QStringLiteral("受信可"), QStringLiteral("受信不可"));
    showFlowLabel(lblSndS, flow.sendOk, QStringLiteral("送信可"), QStringLiteral("送信不可"));

    if (s.StopFlg == 1) s.KeySendBuf.clear();
    if (!s.KeySendBuf.isEmpty()) {
        int32_t written = 0;
        const auto n = static_cast<int32_t>(s.KeySendBuf.size());
        lib().SendData(s.KeySendBuf.constData(), n, &written, &s.SendDataOk);
        if (keyFlush().afterWrite(s.KeySendBuf, written, s.SendDataOk)) ApiErrMsg();
    }

    int16_t flags[4] = {0, 0, 0, 0};
    lib().ReadErrorStatus(&flags[0], &flags[1], &flags[2], &flags[3]);
    for (int i = 0; i < 4; ++i) {
        if (flags[i] != 1) continue;
        QPushButton* b = Cmd_Error_Sts[i];
        if (!isRed(b)) QApplication::beep(); // the first detection after a reset
        vbcolor::setBackColor(b, Red);
        b->setEnabled(true);
        if (countErrorTick(ErrStsCount[i])) {
            SetErrorStsCount(b, QString::fromLatin1(ErrorStsPrefix[i]), ErrStsCount[i]);
        }
    }
}

void T_Term_frm::SetErrorStsCount(QPushButton* button, const QString& name, int32_t count) {
    button->setText(errorStsCaption(name, count));
    button->setFont(fonts::programFont(QStringLiteral("ＭＳ ゴシック"), ControlFontSize));
}

void T_Term_frm::SetErrorStsTitle(QPushButton* button, const QString& text) {
    button->setText(text);
    button->setFont(fonts::programFont(QStringLiteral("ＭＳ Ｐゴシック"), ControlFontSize));
}
