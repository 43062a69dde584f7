// "１ライン編集・送信": one line edited and sent with Enter, followed by the
// chosen terminator; plainly through the chunked sender, or in translated
// mode through the send-script interpreter, whose escapes can be typed here.
// The last line sent is kept in a file and offered again on opening and F1.
// The window can be closed at any time, also during a send: the send ends at
// its next stop test and leaves the closed window's controls alone.
#pragma once

#include "fkeys/fkey_window.h"

#include <QByteArray>

#include <array>
#include <cstdint>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;

class frms_KeySend : public FKeyWindow {
    Q_OBJECT

  public:
    // Shows the window modally; returns when it has closed.
    static void Run(QWidget* parent = nullptr);

    explicit frms_KeySend(QWidget* parent = nullptr);

    QPlainTextEdit* Text1 = nullptr;        // the line (at most 32768 characters)
    QLabel* Label3 = nullptr;               // "（Enter で送信します。）"
    QFrame* PicBtn = nullptr;               // strip under Text1
    QPushButton* Command1 = nullptr;        // "前回読出し (F1)"
    QPushButton* Command2 = nullptr;        // "入力消去   (F2)"
    QGroupBox* Frame2 = nullptr;            // output mode
    QLabel* Label5 = nullptr;               // "< 出力モード >"
    std::array<QRadioButton*, 2> Option2{}; // LineSendMode: 0 normal, 1 translated
    QGroupBox* Frame3 = nullptr;            // Enter key
    QLabel* Label4 = nullptr;               // "< Enter Key >"
    std::array<QRadioButton*, 4> Option3{}; // LineSendEnter (EnterSendCode)
    QGroupBox* Frame1 = nullptr;            // font
    QLabel* Label1 = nullptr;               // "フォント名"
    std::array<QRadioButton*, 2> Option1{}; // 0 "明朝", 1 "ゴシック"
    QLabel* Label2 = nullptr;               // "フォントサイズ"
    QComboBox* CmbFontSize = nullptr;       // 8 to 50
    QPushButton* Cmd_F_Color = nullptr;     // "Color"

    int16_t LoadedFlg = 0; // 1 once opening is complete (sizes are kept from then on)

    void Form_Load();
    // Enter in Text1: the line and its terminator go out.
    void Text1_Enter();
    void Command1_Click(); // F1: the last line back into Text1
    void Command2_Click(); // F2: Text1 emptied
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Option3_Click(int index);
    void CmbFontSize_Click(const QString& text);
    void Cmd_F_Color_Click();

    // The last line sent (its cp932 bytes), or the last-line file's content.
    const QByteArray& lastLine() const { return lastLine_; }
    // The program's folder, the program title and "KEY1LINEENT.TMP".
    static QString lastLinePath();

  protected:
    void Form_Unload() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectHandlers();
    void layoutWindow();
    void setSendControlsEnabled(bool enabled);
    void sendPlain(const QByteArray& bytes);
    void runTranslated(const QByteArray& line);

    QByteArray lastLine_;
};
