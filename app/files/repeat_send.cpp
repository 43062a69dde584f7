#include "files/repeat_send.h"

#include "core/shared_state.h"
#include "files/number_text.h"

#include <QCheckBox>
#include <QLineEdit>

int32_t repeatCountFromText(const QString& text, int32_t previous) {
    return wholeNumberClamped(text, 1, kMaxRepeatCount).value_or(previous);
}

QString repeatPassText(int32_t pass) {
    return QString::number(pass) + QStringLiteral(" 回目送信中");
}

RepeatSend::RepeatSend(QCheckBox* tick, QLineEdit* countBox, int16_t& flagSetting,
                       int32_t& countSetting)
    : tick_(tick), countBox_(countBox), flag_(flagSetting), count_(countSetting) {
    countBox_->setMaxLength(5);
}

void RepeatSend::load() {
    tick_->setChecked(flag_ == 1);
    countBox_->setEnabled(flag_ == 1);
    if (count_ < 1 || count_ > kMaxRepeatCount) count_ = 1;
    countBox_->setText(QString::number(count_));
}

void RepeatSend::tickClicked() {
    flag_ = tick_->isChecked() ? 1 : 0;
    countBox_->setEnabled(flag_ == 1);
}

void RepeatSend::storeCount() {
    count_ = repeatCountFromText(countBox_->text(), count_);
}

int32_t RepeatSend::takeCount() {
    storeCount();
    countBox_->setText(QString::number(count_));
    return count_;
}

void RepeatSend::run(const std::function<void(int32_t pass)>& sendOnce) {
    bool repeating = tick_->isChecked();
    for (;;) {
        const int32_t passes = repeating ? takeCount() : 1;
        for (int32_t pass = 1; pass <= passes; ++pass) {
            sendOnce(pass);
            if (shared().StopFlg == 1 || !tick_->isChecked()) return;
            if (!repeating) break;
        }
        if (repeating) return;
        repeating = true;
    }
}
