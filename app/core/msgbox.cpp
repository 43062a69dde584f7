#include "core/msgbox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

#include "core/settings_file.h"
#include "ui/timer_tick.h"
#include "ui/twips.h"
#include "ui/vb_timer.h"

namespace {

using twips::fromPixels;
using twips::toPixels;

// The box was laid out in outer window sizes; Qt sizes the client area, so
// the title bar and borders of the design are taken off.
constexpr int kFrameWidthTwips = 90;
constexpr int kFrameHeightTwips = 390;

constexpr int kButtonWidthTwips = 975;
constexpr int kButtonHeightTwips = 315;
constexpr int kIconTwips = 480;
constexpr int kIconLeftTwips = 195;

int openBoxes = 0;

const char* const kCaptions[8] = {"", "OK", "ｷｬﾝｾﾙ", "中止", "再試行", "無視", "はい", "いいえ"};

} // namespace

std::vector<int16_t> msgBoxButtons(int16_t msgType) {
    switch (msgType & msgbox_type::ButtonSetMask) {
    case 1:
        return {AnsOK, AnsCancel};
    case 2:
        return {AnsAbort, AnsRetry, AnsIgnore};
    case 3:
        return {AnsYes, AnsNo, AnsCancel};
    case 4:
        return {AnsYes, AnsNo};
    case 5:
        return {AnsRetry, AnsCancel};
    default:
        return {AnsOK};
    }
}

int16_t msgBoxDefaultButton(int16_t msgType) {
    const std::vector<int16_t> set = msgBoxButtons(msgType);
    if ((msgType & msgbox_type::DefaultThird) && set.size() >= 3) return set[2];
    if ((msgType & msgbox_type::DefaultSecond) && set.size() >= 2) return set[1];
    return set[0];
}

int msgBoxIconIndex(int16_t msgType) {
    // The bits overlap (0x30 holds 0x20 and 0x10), so the order of the tests matters.
    if ((msgType & msgbox_type::IconInformation) == msgbox_type::IconInformation) return 3;
    if ((msgType & msgbox_type::IconExclamation) == msgbox_type::IconExclamation) return 2;
    if ((msgType & msgbox_type::IconQuestion) == msgbox_type::IconQuestion) return 1;
    if ((msgType & msgbox_type::IconCritical) == msgbox_type::IconCritical) return 0;
    return -1;
}

MsgBoxLayout msgBoxLayout(const MsgBoxMeasures& m) {
    const int n = m.buttonCount;
    const int textWidth = m.iconSize + 300 + m.labelWidth + 300;
    const int rowWidth = n * m.buttonWidth + 200 + (n - 1) * 100 + 300;

    MsgBoxLayout l;
    l.windowHeight = m.labelHeight + m.buttonHeight + (m.iconSize > 0 ? 1200 : 900);
    l.windowWidth = std::max(textWidth, rowWidth);
    l.labelLeft = m.iconSize + 300;
    l.labelTop = m.iconSize > 0 ? 300 : 200;
    l.iconTop = l.labelTop + (m.labelHeight - m.iconSize) / 2;
    l.buttonTop = l.windowHeight - m.buttonHeight - 500;
    const int firstLeft = textWidth > rowWidth ? (textWidth - rowWidth) / 2 + 200 : 200;
    for (int k = 0; k < n; ++k)
        l.buttonLefts.push_back(k * (m.buttonWidth + 100) + firstLeft);
    return l;
}

int msgBoxCentredOffset(int screenSize, int windowSize) {
    return (screenSize - windowSize) / 2;
}

MsgBoxX::MsgBoxX(QWidget* parent) : ModalWindow(parent) {
    Text1 = new QLineEdit(QStringLiteral("Dummy"), this);
    // Out of sight: it only holds the focus for the first instant.
    Text1->move(-toPixels(3000), 0);

    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);

    const QStyle::StandardPixmap images[4] = {
        QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion, QStyle::SP_MessageBoxWarning,
        QStyle::SP_MessageBoxInformation};
    const int iconPixels = toPixels(kIconTwips);
    for (int i = 0; i < 4; ++i) {
        Icon1[i] = new QLabel(this);
        Icon1[i]->setPixmap(style()->standardIcon(images[i]).pixmap(32, 32));
        Icon1[i]->setAlignment(Qt::AlignCenter);
        Icon1[i]->resize(iconPixels, iconPixels);
        Icon1[i]->hide();
    }

    for (int16_t i = 1; i <= 7; ++i) {
        Command[i] = new QPushButton(QString::fromUtf8(kCaptions[i]), this);
        Command[i]->resize(toPixels(kButtonWidthTwips), toPixels(kButtonHeightTwips));
        connect(Command[i], &QPushButton::clicked, this, [this, i] { Command_Click(i); });
    }

    Timer1 = new VbTimer(this, 1, false);
    Timer1->setHandler([this] { Timer1_Timer(); });
}

void MsgBoxX::load() {
    for (int i = 1; i <= 7; ++i)
        Command[i]->hide();
    MsgAns = 0;

    if (MsgTitle.isEmpty()) MsgTitle = applicationTitle();
    setWindowTitle(MsgTitle);
    QString text = MsgMain;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    Label1->setText(text);
    Label1->adjustSize();

    const int icon = msgBoxIconIndex(MsgType);
    if (icon >= 0) Icon1[icon]->show();

    const std::vector<int16_t> buttons = msgBoxButtons(MsgType);
    MsgBoxMeasures m;
    m.iconSize = icon >= 0 ? kIconTwips : 0;
    m.labelWidth = fromPixels(Label1->width());
    m.labelHeight = fromPixels(Label1->height());
    m.buttonWidth = kButtonWidthTwips;
    m.buttonHeight = kButtonHeightTwips;
    m.buttonCount = static_cast<int>(buttons.size());
    const MsgBoxLayout l = msgBoxLayout(m);

    setFixedSize(toPixels(l.windowWidth - kFrameWidthTwips),
                 toPixels(l.windowHeight - kFrameHeightTwips));
    Label1->move(toPixels(l.labelLeft), toPixels(l.labelTop));
    for (size_t k = 0; k < buttons.size(); ++k) {
        QPushButton* b = Command[buttons[k]];
        b->move(toPixels(l.buttonLefts[k]), toPixels(l.buttonTop));
        b->show();
    }
    if (icon >= 0) Icon1[icon]->move(toPixels(kIconLeftTwips), toPixels(l.iconTop));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + toPixels(msgBoxCentredOffset(fromPixels(s.width()), l.windowWidth)),
             s.top() + toPixels(msgBoxCentredOffset(fromPixels(s.height()), l.windowHeight)));
    }

    Text1->show();
    Text1->setFocus();
    Timer1->setInterval(1);
    Timer1->setEnabled(true);
}

void MsgBoxX::Timer1_Timer() {
    Timer1->setInterval(0);
    Command[msgBoxDefaultButton(MsgType)]->setFocus();
    Text1->hide();
}

void MsgBoxX::Command_Click(int16_t index) {
    MsgAns = index;
    accept();
}

void MsgBoxX::done(int r) {
    // Closed without a button (title bar, Escape): the answer is No.
    if (MsgAns == 0) MsgAns = AnsNo;
    Timer1->setEnabled(false);
    ModalWindow::done(r);
}

void MsgBoxX::showModal() {
    load();
    ModalWindow::showModal();
}

namespace {

int16_t runMsgBox(const QString& text, int16_t type, const QString& title) {
    ++openBoxes;
    MsgBoxX box(QApplication::activeWindow());
    box.MsgTitle = title;
    box.MsgMain = text;
    box.MsgType = type;
    box.showModal();
    --openBoxes;
    return box.MsgAns;
}

} // namespace

void MsgBoxXShow(const QString& text, int16_t type, const QString& title) {
    if (insideTimerTick()) {
        // A nested loop here would hold the tick; the notice needs no answer,
        // so it opens right after the tick. It counts as open from now on, so
        // that the next tick's error does not queue a second box.
        ++openBoxes;
        runAfterTick([text, type, title] {
            runMsgBox(text, type, title);
            --openBoxes;
        });
        return;
    }
    runMsgBox(text, type, title);
}

int16_t MsgBoxXAns(const QString& text, int16_t type, const QString& title) {
    return runMsgBox(text, type, title);
}

bool msgBoxXIsOpen() {
    return openBoxes > 0;
}
