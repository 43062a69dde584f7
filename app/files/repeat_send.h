// The repeat of the block senders: a tick box "繰り返し送信する" and a count
// box of at most five characters, with the tick and the count kept in two
// settings of the window. The text window and the file send run their
// passes through it alike.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QCheckBox;
class QLineEdit;

inline constexpr int32_t kMaxRepeatCount = 99999;

// The count a count box's text stands for: a number (sign, fraction and
// exponent allowed) rounded to a whole one, halves to the even neighbour,
// and held to 1..99999; a text that is not a number keeps the previous count.
int32_t repeatCountFromText(const QString& text, int32_t previous);

// What the pass box shows while a pass is sent: "n 回目送信中".
QString repeatPassText(int32_t pass);

class RepeatSend {
  public:
    RepeatSend(QCheckBox* tick, QLineEdit* countBox, int16_t& flagSetting, int32_t& countSetting);

    // On opening: the tick and the count as stored (a count outside
    // 1..99999 taken as 1); the count box usable only while ticked.
    void load();
    // The tick clicked: its setting follows, and the count box with it.
    void tickClicked();
    // On closing: the count box's number, when it holds one, is kept.
    void storeCount();

    // Runs one send of a pass after the other: once when not ticked, else
    // as many as the count box says (read and shown again as used). The
    // passes end at a stop (StopFlg 1) or when the tick is taken off; a tick
    // put on during a single send turns it into a full repeat, counted from
    // pass 1 again.
    void run(const std::function<void(int32_t pass)>& sendOnce);

  private:
    int32_t takeCount();

    QCheckBox* tick_;
    QLineEdit* countBox_;
    int16_t& flag_;
    int32_t& count_;
};
