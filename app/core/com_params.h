// The port parameter text the library parses ("9600,0,8,0,0"), built from the
// stored port settings texts. One mapping serves every open of the port.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// ",parity,data,stop,flow": parity "なし" 0, "偶数" 1, "奇数" 2, "ﾏｰｸ" 3, other 4;
// data the first character; stop "1" 0, "2" 1, other 0; flow "な" 0, "ハ" 1, other 2.
QByteArray comParamTail(const QString& parity, const QString& dataBit, const QString& stopBit,
                        const QString& flow);

// FlowMode by the first character of the flow text: "な" 0, "ハ" 1, any other 2.
int16_t flowModeOf(const QString& comFlow);
