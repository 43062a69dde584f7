// What the two control-code panels ("制御コード出力 1" and "2") share: the key
// box that passes every typed key on as its code, "CR･LF", the DTR and RTS
// switches, the break pulse, the four clear buttons and the notes. The
// panels never write to the port: every code joins the main window's key
// queue through SendKeyByte and leaves with its status tick (XON and XOFF
// under software flow excepted). Loading and closing a panel empty the queue.
#pragma once

#include "core/tool_window.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

class CtrlCodePanel : public ToolWindow {
    Q_OBJECT

  public:
    QLineEdit* Text1 = nullptr;           // the key box; always empty
    std::array<QPushButton*, 2> cmdDTR{}; // "DTR ON", "DTR OFF"
    std::array<QPushButton*, 2> cmdRTS{}; // "RTS ON", "RTS OFF"
    QPushButton* Command1 = nullptr;      // "ﾌﾞﾚｰｸ信号送出"
    QPushButton* Cmd_All_Clear = nullptr; // "全消去"
    QPushButton* Command2 = nullptr;      // "画面消去"
    QPushButton* Command3 = nullptr;      // "送信文字数クリア"
    QPushButton* Command4 = nullptr;      // "受信文字数クリア"

    // 1 while a break pulse runs from this panel.
    int16_t BusyFlg = 0;

    void Form_Load();
    // KeyAscii: a byte, or a double-byte character as its 16-bit code.
    void Text1_KeyPress(int keyAscii);
    void cmdDTR_Click(int index);
    void cmdRTS_Click(int index);
    void Command1_Click();

  protected:
    // The panel keeps its place for the run in left and top; keyboardNote
    // is the line that tells the keyboard works too.
    CtrlCodePanel(QWidget* parent, const QString& caption, const QString& keyboardNote,
                  int32_t& left, int32_t& top);

    // The code and "CR･LF" clicks of the panels' own controls.
    void codeClick(int code);
    void crlfClick();

    // Puts the shared controls with their top left corner there (twips) and
    // sizes the panel to hold them and the code controls; call once the
    // panel's own controls exist.
    void finishLayout(int left, int top, int width);

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void paintLineButtons();

    QWidget* common_ = nullptr; // holds the shared controls
};
