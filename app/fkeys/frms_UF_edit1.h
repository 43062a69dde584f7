// The editor of one function key ("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの登録・編集"): its data
// text, name and output mode, the text's font and colours, and a test send
// of the key as stored. The key is UFKeyNo, set by the opener.
#pragma once

#include "fkeys/fkey_editor_store.h"
#include "fkeys/fkey_window.h"

#include <array>
#include <cstdint>

class PictureBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

class frms_UF_edit1 : public FKeyWindow {
    Q_OBJECT

  public:
    // Opens the editor on UFKeyNo modally; returns when it has closed.
    static void Show(QWidget* parent = nullptr);

    explicit frms_UF_edit1(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;        // "UF7"
    QPlainTextEdit* Text1 = nullptr; // the key data
    QLabel* Label5 = nullptr;        // "最大で 30,720バイトです｡"
    QLabel* Label3 = nullptr;        // "編集文字数"
    QLabel* Label2 = nullptr;        // the byte count
    QLabel* Label4 = nullptr;        // "バイト"
    QLineEdit* Text2 = nullptr;      // the key name
    QLabel* Label8 = nullptr;
    QGroupBox* Frame1 = nullptr;            // "出力方式の選択"
    std::array<QRadioButton*, 2> Option1{}; // 0 normal, 1 translated
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> Opt_Font{}; // 0 "明朝", 1 "ゴシック"
    QLabel* Label10 = nullptr;
    QComboBox* CmbFontSize = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* Cmd_F_Color = nullptr; // "Color"
    QPushButton* Command1 = nullptr;    // "編集終了"
    QPushButton* Command2 = nullptr;    // "送信"
    QPushButton* Command3 = nullptr;    // "中止"
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    PictureBox* PicFunc = nullptr;

    int16_t LoadingFlg = 0;
    int16_t SizeReadyFlg = 0;
    int16_t EditedFlg = 0;
    int16_t FocusReadyFlg = 0;

    void Form_Load();
    // Saves the key; 1 saved, 0 failed (the file error has been shown).
    int16_t SaveUFKey();
    void Command1_Click();
    void Command2_Click();
    void Opt_Font_Click(int index);
    void CmbFontSize_Click(const QString& text);
    void Cmd_F_Color_Click();

    // The key data the text stands for, as "編集終了" would store it.
    QByteArray storedData() const;

  protected:
    void Form_Unload() override;
    bool closeRefused() const override { return LoadingFlg == 1; }
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectHandlers();
    void InitFontSizeList();
    void LayoutEditor();
    void TestSendUFKey(int keyNo);
    void Text1_Change();
    void showByteCount();
    void applyTextColors();

    // The key as the load read it.
    UFEditContents loaded_;
};
