#include "core/com_params.h"

#include "core/shared_state.h"

namespace {

char parityCode(const QString& parity) {
    if (parity == QStringLiteral("なし")) return '0';
    if (parity == QStringLiteral("偶数")) return '1';
    if (parity == QStringLiteral("奇数")) return '2';
    if (parity == QStringLiteral("ﾏｰｸ")) return '3';
    return '4';
}

} // namespace

int16_t flowModeOf(const QString& comFlow) {
    if (comFlow.startsWith(QStringLiteral("な"))) return FlowNone;
    if (comFlow.startsWith(QStringLiteral("ハ"))) return FlowHard;
    return FlowSoft;
}

QByteArray comParamTail(const QString& parity, const QString& dataBit, const QString& stopBit,
                        const QString& flow) {
    QByteArray tail;
    tail += ',';
    tail += parityCode(parity);
    tail += ',';
    tail += dataBit.left(1).toLatin1();
    tail += ',';
    tail += stopBit.startsWith(u'2') ? '1' : '0';
    tail += ',';
    tail += char('0' + flowModeOf(flow));
    return tail;
}
