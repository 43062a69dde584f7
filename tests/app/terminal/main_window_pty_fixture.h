// The main window with its port open on a real pseudo-terminal, whose far
// side the test writes and reads.
#pragma once

#include "main_window_fixture.h"
#include "pty_peer.h"
#include "text/cp932.h"

#include <QCoreApplication>
#include <QKeyEvent>

class MainWindowPty : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_FALSE(peer.slavePath().isEmpty());
        settings().ComOnFlg = 1;
        settings().ComPortName = peer.slavePath();
        StartComm();
        ASSERT_EQ(shared().ComOpenFlg, 1);
    }

    // Polls until the library has taken `count` bytes from the line.
    void receive(int32_t count) {
        pollUntil([count] { return shared().RcvTotal >= count; }, 10000);
        ASSERT_EQ(shared().RcvTotal, count);
    }

    void key(int qtKey, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QCoreApplication::sendEvent(form->Text1, &press);
    }

    QString storedTextPage() {
        QByteArray page(1800, '\0');
        int32_t len = 0, read = 0, total = 0, logTotal = 0;
        int16_t ok = 0;
        lib().ReadDisp(page.data(), &len, -1, &read, &total, 0, &logTotal, &ok, 0, 0);
        return cp932::toUnicode(page.left(len));
    }

    static int darkPixels(const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 128) ++dark;
            }
        }
        return dark;
    }

    PtyPeer peer;
};
