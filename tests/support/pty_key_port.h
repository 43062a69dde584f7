// The port of a window test that sends: the real library, linked in, with
// a pseudo-terminal as the open port (its slave path is the port name) and
// the test at the far side.
#pragma once

#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "pty_peer.h"
#include "real_tovaline_api.h"

#include <QByteArray>

class PtyKeyPort {
  public:
    PtyKeyPort() {
        installRealTovalineApi();
        if (peer_.slavePath().isEmpty()) return;
        if (lib().OpenCommPort(peer_.slavePath().toLocal8Bit().constData()) != -1) return;
        lib().SetCommPortParam("9600,0,8,0,0");
        shared().ComOpenFlg = 1;
        open_ = true;
    }
    ~PtyKeyPort() {
        if (open_) lib().CloseCommPort();
        shared().ComOpenFlg = 0;
        installTovalineApi(nullptr);
    }
    PtyKeyPort(const PtyKeyPort&) = delete;
    PtyKeyPort& operator=(const PtyKeyPort&) = delete;

    bool isOpen() const { return open_; }

    // What the port sent, read at the far side until count bytes came (or
    // ten seconds passed).
    QByteArray farSideReceives(qsizetype count) const { return peer_.farSideReceives(count); }

    // Everything the port sent that the far side has not read yet. Bytes a
    // send has handed to the port are readable at the far side at once.
    QByteArray farSideRest() const { return peer_.readAll(); }

  private:
    PtyPeer peer_;
    bool open_ = false;
};
