// The run state every window reads and writes (not saved; the saved settings
// are in settings.h). Names are the program's own. 16-bit flags keep the
// program's values: 1 set, 0 clear; library ok values are -1 (true) or 0.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

enum FlowType : int16_t { FlowNone = 0, FlowHard = 1, FlowSoft = 2 };

struct SharedState {
    // Port and requests.
    int16_t ComOpenFlg = 0;    // 1 while the port is open
    int16_t StopFlg = 0;       // 1 = stop every running send, wait or transfer
    int16_t TimeUpFlg = 0;     // set by the main window's wait timer
    int16_t FRStopFlg = 0;     // ends a send script's receive-to-file step
    int16_t FormUnloadFlg = 0; // a sending window is closing
    int16_t EndFlg = 0;
    int16_t FlowMode = FlowNone;
    QByteArray ComParamStr; // ",parity,data,stop,flow" built at start-up

    // Sending. The key queue holds cp932 bytes, never text converted back.
    int32_t SendDone = 0;
    int16_t SendDataOk = -1, SendDataByteOk = -1, SendOk = -1, ReadDispOk = -1;
    std::array<uint8_t, 1001> SendBuf{};
    QByteArray KeySendBuf;
    int32_t RcvTotal = 0;

    // Key line of the main window.
    QString KeyLineBuf;
    QString LastKeyLine;

    // Capture carried by the receive poll (one at a time).
    int16_t LogFlg = 0;
    int32_t LogLimitKB = 0;
    int32_t LogTotal = 0;
    QString LogFilePath;
    QString LogFileName;
    int16_t LogErrFlg = 0;

    // While another part of the program reads the port itself (the function
    // keys' receive-to-file step), every refresh of the main window draws
    // from the store without reading.
    bool PortInputOwned = false;

    // Receive display.
    int16_t DispPageLines = 16;
    int16_t DispColumns = 80;
    int16_t PrevDispMode = 0;

    // Function keys and send scripts.
    std::array<uint8_t, 32001> UFDataBuf{};
    int32_t SendFileLen = 0;
    int16_t UFPage = 0;
    int16_t UFBlock = 0;
    int16_t UFHoverNo = 1000;
    int16_t UFKeyNo = 1;
};

SharedState& shared();
