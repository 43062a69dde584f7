// The base of the timed senders' window tests: the main window at rest, the
// real library over the scripted fake driver (whose line records every byte
// it took), and the senders loaded with their tick stopped, so that each
// test drives the ticks itself.
#pragma once

#include "../terminal/main_window_fixture.h"
#include "fake_port_driver.h"
#include "senders/frms_Cur_Send.h"
#include "senders/frms_Rand_Send.h"
#include "ui/picture_box.h"
#include "ui/vb_timer.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <vector>

class TimedSenderTest : public MainWindowTest {
  protected:
    void openPort(const QString& flow = QStringLiteral("なし")) {
        settings().ComOnFlg = 1;
        settings().ComFlow = flow;
        StartComm();
        ASSERT_EQ(shared().ComOpenFlg, 1);
        line().written.clear();
    }

    tovaline::FakePortDriver& line() { return scope.fake; }
    std::vector<int> sent() const { return {scope.fake.written.begin(), scope.fake.written.end()}; }

    frms_Rand_Send& loadRand(int16_t pattern) {
        settings().RandPattern = pattern;
        frms_Rand_Send& w = frms_Rand_Send::instance();
        w.Form_Load();
        w.Timer1->setEnabled(false);
        return w;
    }

    frms_Cur_Send& loadCur(int16_t signMode) {
        settings().CurSignMode = signMode;
        frms_Cur_Send& w = frms_Cur_Send::instance();
        w.Form_Load();
        w.Timer1->setEnabled(false);
        w.Timer2->setEnabled(false);
        return w;
    }

    static void ticks(TimedSenderWindow& w, int count) {
        for (int i = 0; i < count; ++i)
            w.Timer1_Timer();
    }

    static std::vector<int> history(const TimedSenderWindow& w) {
        std::vector<int> out;
        for (int k = 0; k < w.history().count(); ++k)
            out.push_back(w.history().at(k));
        return out;
    }

    static std::pair<QString, QString> labels(const TimedSenderWindow& w) {
        return {w.Lbl_Dec->text(), w.lbl_Hex->text()};
    }

    tovaline::FakeDriverScope scope;
};
