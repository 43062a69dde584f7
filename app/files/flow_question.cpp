#include "files/flow_question.h"

#include "core/msgbox.h"
#include "core/shared_state.h"

bool xonXoffLossAccepted(TransferDirection direction) {
    if (shared().FlowMode != FlowSoft) return true;
    const QString what = direction == TransferDirection::Send
                             ? QStringLiteral("(Xon/Xoff)コードは送信しません｡")
                             : QStringLiteral("(Xon/Xoff)コードはファイルに書きません｡");
    return MsgBoxXAns(QStringLiteral("フロー制御がソフト(Xon/Xoff)になっているので\r\n") + what +
                          QStringLiteral("\r\nいいえは中止します｡"),
                      4, QString()) != AnsNo;
}
