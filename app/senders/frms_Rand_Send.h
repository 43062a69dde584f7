// The pattern and random sender ("ランダム送信 （約１００ｍｓごと） Binary１Byte"):
// one generated value a send tick while sending is on, from nine patterns
// (random walks, a sine, ramps, a triangle); a value the line did not take
// is offered again unchanged. Six buttons open the reference pictures.
#pragma once

#include "senders/pattern_generators.h"
#include "senders/timed_sender_window.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QRadioButton;

class frms_Rand_Send : public TimedSenderWindow {
    Q_OBJECT

  public:
    // Shows the one window modally; returns when it is closed.
    static void Run();
    // The one window (created on first use).
    static frms_Rand_Send& instance();

    QLabel* Label3 = nullptr; // "●データ発生パターン選択"
    QGroupBox* Frame1 = nullptr;
    QLabel* lblRandom = nullptr;            // "ランダム", over options 0-3
    std::array<QRadioButton*, 9> Option1{}; // RandPattern
    QPushButton* CmdStart = nullptr;        // "送信 Start"
    QPushButton* CmdStop = nullptr;         // "送信 Stop"
    QGroupBox* Frame4 = nullptr;            // "参考までに"
    QPushButton* Command1 = nullptr;        // "自己ループ・コネクタ"
    QPushButton* Command2 = nullptr;        // "クロス・ケーブル"
    QPushButton* Command3 = nullptr;        // "アダプター"
    QPushButton* Command4 = nullptr;        // "ex1 ８ビットサイン"
    QPushButton* Command5 = nullptr;        // "ASYNCフォーマット"
    QPushButton* Command6 = nullptr;        // "ex2 ８ビットサイン"
    QLabel* Label4 = nullptr;               // a click opens the loop-back picture

    void Form_Load();
    void Option1_Click(int index);
    void CmdStart_Click();
    void CmdStop_Click();
    // Command1..Command6: the reference picture 0..5.
    void Command_Click(int picture);
    void Label4_Click();

    // The generator of the chosen pattern (tests seed its draws).
    PatternGenerator& generator() { return generator_; }

  protected:
    int16_t valueToSend() override;
    void byteTaken(int16_t value) override;
    void byteHeldBack() override;
    QWidget* focusAfterDisplayButton() override;
    QWidget* focusAfterClear() override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frms_Rand_Send();
    void buildControls();
    void subSetPatternRange();
    QPushButton* startOrStop() const;

    PatternGenerator generator_;
    bool advance_ = true; // off: the next tick resends the held value
};
