// The program's one message box: every error, notice and yes/no question is
// shown in MsgBoxX, through MsgBoxXShow (notice) and MsgBoxXAns (question).
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "ui/modal_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class VbTimer;

// MsgBoxXType: the low bits choose the button set (0 to 5), higher bits the
// icon and the default button.
namespace msgbox_type {
inline constexpr int16_t ButtonSetMask = 0x0F;
inline constexpr int16_t IconCritical = 0x10;
inline constexpr int16_t IconQuestion = 0x20;
inline constexpr int16_t IconExclamation = 0x30;
inline constexpr int16_t IconInformation = 0x40;
inline constexpr int16_t DefaultSecond = 0x100;
inline constexpr int16_t DefaultThird = 0x200;
} // namespace msgbox_type

// MsgBoxXAnswer: the index of the pressed button.
enum MsgBoxXAnswer : int16_t {
    AnsOK = 1,
    AnsCancel = 2,
    AnsAbort = 3,
    AnsRetry = 4,
    AnsIgnore = 5,
    AnsYes = 6,
    AnsNo = 7
};

// The button indexes of a set, left to right (unknown sets show OK).
std::vector<int16_t> msgBoxButtons(int16_t msgType);
// The button of the set that starts with the focus (the 0x100/0x200 bits).
int16_t msgBoxDefaultButton(int16_t msgType);
// The icon image (0 critical, 1 question, 2 exclamation, 3 information), -1 none.
int msgBoxIconIndex(int16_t msgType);

// Where everything goes, in twips. The window size is the outer size, title
// bar and borders included, as the box was designed.
struct MsgBoxLayout {
    int windowWidth = 0;
    int windowHeight = 0;
    int labelLeft = 0;
    int labelTop = 0;
    int iconTop = 0;
    int buttonTop = 0;
    std::vector<int> buttonLefts;
};

struct MsgBoxMeasures {
    int iconSize = 0; // height of the icon images, 0 without an icon
    int labelWidth = 0;
    int labelHeight = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int buttonCount = 1;
};

MsgBoxLayout msgBoxLayout(const MsgBoxMeasures& m);

// The window centred on a screen of the given size (twips, integer halves).
int msgBoxCentredOffset(int screenSize, int windowSize);

class MsgBoxX : public ModalWindow {
    Q_OBJECT

  public:
    explicit MsgBoxX(QWidget* parent = nullptr);

    int16_t MsgAns = 0;  // the answer (MsgBoxXAnswer)
    QString MsgMain;     // the message
    QString MsgTitle;    // the caption; empty = the program's title
    int16_t MsgType = 0; // MsgBoxXType

    std::array<QPushButton*, 8> Command{}; // indexes 1 to 7
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 4> Icon1{};
    QLineEdit* Text1 = nullptr; // holds the focus until Timer1 moves it
    VbTimer* Timer1 = nullptr;

    // Loads the fields into the controls, lays the box out and runs it modally.
    void showModal();

  protected:
    void done(int r) override;

  private:
    void load();
    void Timer1_Timer();
    void Command_Click(int16_t index);
};

// A notice asked for inside a timer tick opens right after the tick.
void MsgBoxXShow(const QString& text, int16_t type, const QString& title);
// Always answers at once, also inside a tick.
int16_t MsgBoxXAns(const QString& text, int16_t type, const QString& title);

// True while a MsgBoxX is on the screen or about to open (ApiErrMsg shows no
// second box).
bool msgBoxXIsOpen();
