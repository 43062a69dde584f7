#include "senders/frms_Rand_Send.h"

#include "core/settings.h"
#include "senders/frms_BMP.h"
#include "ui/picture_box.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

// RandPattern's captions, index = RandPattern.
constexpr std::array<const char*, RandPatternCount> PatternCaptions{
    "Sign Enable  -128～127", "Sign Disable    0～255", "                0～127",
    "Sign Enable  -128～0",   "127Sinθ(1.25゜)",        "0～FFh    繰り返し",
    "0～FFh～0 繰り返し",     "0～7Fh    繰り返し",     "80h～FFh  繰り返し",
};

// The options from top to bottom, with a separator after the random walks
// and after the sine.
constexpr std::array<int, RandPatternCount> PatternOrder{0, 1, 2, 3, 4, 7, 8, 5, 6};

constexpr int OptionHeight = 20;
constexpr int SeparatorHeight = 10;

QPushButton* button(const QString& caption, QWidget* parent, int left, int top, int width,
                    int height) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(left, top, width, height);
    return b;
}

QFrame* separator(QWidget* parent, int top) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(6, top + SeparatorHeight / 2 - 1, 196, 2);
    return line;
}

} // namespace

frms_Rand_Send& frms_Rand_Send::instance() {
    // Freed by no one: it lives for the run, as the main window does.
    static QPointer<frms_Rand_Send> window;
    if (!window) window = new frms_Rand_Send;
    return *window;
}

void frms_Rand_Send::Run() {
    frms_Rand_Send& window = instance();
    window.Form_Load();
    window.showModal();
}

frms_Rand_Send::frms_Rand_Send()
    : TimedSenderWindow(runSettings().RandSendLeft, runSettings().RandSendTop) {
    setWindowTitle(QStringLiteral("ランダム送信 （約１００ｍｓごと） Binary１Byte"));
    buildControls();
}

void frms_Rand_Send::buildControls() {
    placeMonitor(12, 8);

    Label3 = new QLabel(QStringLiteral("●データ発生パターン選択"), this);
    Label3->setGeometry(180, 8, 210, 16);
    Frame1 = new QGroupBox(this);
    auto* options = new QButtonGroup(this);
    lblRandom = new QLabel(QStringLiteral("ランダム"), Frame1);
    lblRandom->setGeometry(10, 4, 100, 16);
    int top = 22;
    for (int pattern : PatternOrder) {
        auto* option = new QRadioButton(QString::fromUtf8(PatternCaptions[pattern]), Frame1);
        option->setGeometry(10, top, 190, OptionHeight);
        options->addButton(option, pattern);
        connect(option, &QRadioButton::clicked, this, [this, pattern] { Option1_Click(pattern); });
        Option1[static_cast<std::size_t>(pattern)] = option;
        top += OptionHeight;
        if (pattern == WalkNegative || pattern == SinePattern) {
            separator(Frame1, top);
            top += SeparatorHeight;
        }
    }
    Frame1->setGeometry(180, 26, 208, top + 6);

    const int startTop = 26 + top + 14;
    CmdStart = button(QStringLiteral("送信 Start"), this, 180, startTop, 100, 34);
    CmdStop = button(QStringLiteral("送信 Stop"), this, 288, startTop, 100, 34);
    connect(CmdStart, &QPushButton::clicked, this, [this] { CmdStart_Click(); });
    connect(CmdStop, &QPushButton::clicked, this, [this] { CmdStop_Click(); });

    Frame4 = new QGroupBox(QStringLiteral("参考までに"), this);
    Frame4->setGeometry(404, 8, 172, 232);
    const std::array<QPushButton**, 6> pictureButtons{&Command1, &Command2, &Command3,
                                                      &Command4, &Command5, &Command6};
    const std::array<const char*, 6> pictureCaptions{"自己ループ・コネクタ", "クロス・ケーブル",
                                                     "アダプター",           "ex1 ８ビットサイン",
                                                     "ASYNCフォーマット",    "ex2 ８ビットサイン"};
    for (int i = 0; i < 6; ++i) {
        QPushButton* b = button(QString::fromUtf8(pictureCaptions[static_cast<std::size_t>(i)]),
                                Frame4, 10, 24 + i * 34, 152, 30);
        connect(b, &QPushButton::clicked, this, [this, i] { Command_Click(i); });
        *pictureButtons[static_cast<std::size_t>(i)] = b;
    }
    Label4 = new QLabel(QStringLiteral("◎自己ループ・コネクタを接続してご確認ください。"), this);
    Label4->setWordWrap(true);
    Label4->setGeometry(404, 246, 172, 36);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    placeDisplayButtons(404 + 172 - ButtonBlockWidth, startTop + 50);
    setFixedSize(588, startTop + 50 + ButtonBlockHeight + 8);
}

void frms_Rand_Send::Form_Load() {
    Settings& st = settings();
    setSending(false);
    subHistClear();
    const bool sevenBits = sevenDataBits();
    Frame1->setVisible(!sevenBits);
    Label3->setVisible(!sevenBits);
    if (sevenBits) st.RandPattern = Walk127;
    generator_.setSineShape(runSettings().SinAmplitude, runSettings().SinStep);
    subSetPatternRange();
    subDispHexDec(0, true);
    subMonitorXTable();
    subMonitorDraw(Pic_Disp);
    Option1[static_cast<std::size_t>(st.RandPattern)]->setChecked(true);
    Option1_Click(st.RandPattern);
    generator_.setStepLimit(30);
    generator_.restartWalk();
    setSending(false);
    subDispModeToButton();
    advance_ = true;
    startTick();
}

void frms_Rand_Send::subSetPatternRange() {
    const int16_t pattern = settings().RandPattern;
    setValueRange(patternRange(pattern, sevenDataBits()));
    setBarsSigned(!patternBarsUnsigned(pattern));
}

void frms_Rand_Send::Option1_Click(int index) {
    settings().RandPattern = static_cast<int16_t>(index);
    setSending(false);
    subDispHexDec(0, true);
    subSetPatternRange();
    generator_.choose(settings().RandPattern, scale().range());
    subMonitorDraw(Pic_Disp);
    subHistClear();
    CmdStop->setFocus();
}

void frms_Rand_Send::CmdStart_Click() {
    setSending(true);
    advance_ = true;
}

void frms_Rand_Send::CmdStop_Click() {
    setSending(false);
}

void frms_Rand_Send::Command_Click(int picture) {
    frms_BMP::Run(picture);
    startOrStop()->setFocus();
}

void frms_Rand_Send::Label4_Click() {
    frms_BMP::Run(0);
}

int16_t frms_Rand_Send::valueToSend() {
    return advance_ ? generator_.next() : generator_.held();
}

void frms_Rand_Send::byteTaken(int16_t value) {
    subDispHexDec(value, false);
    advance_ = true;
}

void frms_Rand_Send::byteHeldBack() {
    advance_ = false;
}

QPushButton* frms_Rand_Send::startOrStop() const {
    return sending() ? CmdStart : CmdStop;
}

QWidget* frms_Rand_Send::focusAfterDisplayButton() {
    return startOrStop();
}

QWidget* frms_Rand_Send::focusAfterClear() {
    return Pic_Disp;
}

void frms_Rand_Send::done(int result) {
    setSending(false);
    TimedSenderWindow::done(result);
}

bool frms_Rand_Send::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Label4->rect().contains(mouse->position().toPoint())) {
            Label4_Click();
            return true;
        }
    }
    return TimedSenderWindow::eventFilter(watched, event);
}
