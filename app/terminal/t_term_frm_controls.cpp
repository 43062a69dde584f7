// The main window's controls at their places. Positions are in twips, as the
// window was designed; the receive picture is wide enough for 80 columns of
// text and for the 300 points of the analog graph.
#include "terminal/t_term_frm.h"

#include "ui/fonts.h"
#include "ui/picture_box.h"
#include "ui/scrolling_layout.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

#include <QFrame>

using twips::place;

namespace {

QLabel* label(QWidget* parent, const QString& text, Qt::Alignment align = Qt::AlignCenter) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(align);
    return l;
}

QFrame* panel(QWidget* parent, QFrame::Shape shape = QFrame::NoFrame) {
    auto* f = new QFrame(parent);
    f->setFrameShape(shape);
    return f;
}

// The right-hand button grid: four columns.
constexpr int GridLeft = 11160, GridTop = 120, ColStep = 1710, RowStep = 420;
constexpr int ButtonWidth = 1650, ButtonHeight = 390;

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height, const QString& tip = QString()) {
    QPushButton* b = twips::button(parent, caption, left, top, width, height);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus); // the key box keeps the focus
    return b;
}

QPushButton* gridButton(QWidget* parent, int row, int col, const QString& caption,
                        const QString& tip = QString()) {
    return button(parent, caption, GridLeft + col * ColStep, GridTop + row * RowStep, ButtonWidth,
                  ButtonHeight, tip);
}

} // namespace

void T_Term_frm::buildControls() {
    buildReceiveArea();
    buildStatusArea();
    buildButtons();
    // Buttons and labels keep the designer's small font; the window's own
    // font (set at load) is the key box's size.
    const QFont controlFont = fonts::programFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w != Text1 && w != Pic_Rcv_Data) w->setFont(controlFont);
    }
    scrolling_ = new ScrollingLayout(this, QSize(twips::toPixels(18000), twips::toPixels(9840)));

    Timer_Screen_init = new VbTimer(this, 1, true);
    Timer1 = new VbTimer(this, 100, false);
    Timer2 = new VbTimer(this, 1, false);
    Timer3 = new VbTimer(this, 50, false);
}

void T_Term_frm::buildReceiveArea() {
    Pic_R_Back = panel(this);
    place(Pic_R_Back, 120, 120, 10500, 5100);
    Pic_Rcv_Data = new PictureBox(Pic_R_Back);
    Pic_Rcv_Data->setGeometry(0, 0, Pic_R_Back->width(), Pic_R_Back->height());
    Pic_Rcv_Data->FontName = QStringLiteral("ＭＳ ゴシック");
    Pic_Rcv_Data->FontSize = 12;

    // Bit row labels at the right edge of the receive area, D7 at the top,
    // each beside its row: the bit displays put row r's baseline at (r + 2)
    // tenths of the picture's height (5100 twips), the marks just above it.
    for (int i = 0; i < 8; ++i) {
        Lbl_Bit_cont[i] =
            label(Pic_R_Back, QStringLiteral("D%1%2").arg(i).arg(
                                  i == 0 ? QStringLiteral(" LSB")
                                         : (i == 7 ? QStringLiteral(" MSB") : QString())));
        place(Lbl_Bit_cont[i], 9480, (9 - i) * 510 - 300, 960, 300);
        Lbl_Bit_cont[i]->hide();
    }
    LblDecHex = label(Pic_R_Back, QStringLiteral("Hex 00h"));
    place(LblDecHex, 120, 120, 1800, 360);
    PicBit1Chr = panel(Pic_R_Back, QFrame::Box);
    place(PicBit1Chr, 6600, 3300, 3780, 1680);
    LblBit1Hex = label(PicBit1Chr, QString());
    place(LblBit1Hex, 60, 60, 3600, 330);
    for (int i = 0; i < 10; ++i) {
        LblBit1ChrCon[i] = label(PicBit1Chr, QString());
        place(LblBit1ChrCon[i], 60 + (i % 5) * 720, 450 + (i / 5) * 570, 660, 510);
    }
    // The frame is drawn over the area rather than by it: the picture covers
    // the whole area, where a frame of its own would lie. The mouse reaches
    // what lies under it.
    auto* border = panel(Pic_R_Back, QFrame::Box);
    border->setGeometry(0, 0, Pic_R_Back->width(), Pic_R_Back->height());
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->setFocusPolicy(Qt::NoFocus);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    place(VScroll1, 10650, 120, 270, 5100);
    VScroll1->setFocusPolicy(Qt::NoFocus);
    VScroll1->hide();

    Text1 = new QPlainTextEdit(this);
    place(Text1, 120, 5340, 10800, 1350);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabChangesFocus(false);
}

void T_Term_frm::buildStatusArea() {
    static const char* const lampNames[6] = {"RTS", "CTS", "DTR", "DSR", "DCD", "RI"};
    Picture3 = panel(this, QFrame::Box);
    place(Picture3, 120, 6780, 4800, 810);
    for (int i = 0; i < 6; ++i) {
        lblms[i] = label(Picture3, QString::fromLatin1(lampNames[i]));
        place(lblms[i], 60 + i * 780, 45, 720, 300);
        // One lamp of each pair shows: grey while the line is off, red while on.
        lblmsd[i] = label(Picture3, QStringLiteral("●"));
        lblMSdo[i] = label(Picture3, QStringLiteral("●"));
        for (QLabel* lamp : {lblmsd[i], lblMSdo[i]})
            place(lamp, 210 + i * 780, 375, 420, 360);
        vbcolor::setForeColor(lblmsd[i], 0x808080);
        vbcolor::setForeColor(lblMSdo[i], 0x0000FF);
        lblMSdo[i]->hide();
    }
    // Shown over the lamps while the port is closed.
    Piclcs = panel(this, QFrame::Box);
    place(Piclcs, 120, 6780, 4800, 810);
    Label2 = label(Piclcs, QStringLiteral("COM ﾎﾟｰﾄｸﾛｰｽﾞ状態"));
    place(Label2, 60, 225, 4680, 360);

    lblRcvS = label(this, QStringLiteral("受信可"));
    place(lblRcvS, 5040, 6780, 1200, 360);
    lblSndS = label(this, QStringLiteral("送信可"));
    place(lblSndS, 5040, 7230, 1200, 360);
    lblFlow = label(this, QString());
    place(lblFlow, 9780, 7680, 1140, 390);

    static const char* const errTips[4] = {
        "赤色：受信オーバーラン　エラー", "黄色：受信パリティ　エラー",
        "黄色：受信フレーミング　エラー", "黄色：受信ブレーク信号検出"};
    for (int i = 0; i < 4; ++i) {
        Cmd_Error_Sts[i] = button(this, QString::fromUtf8(ErrorStsTitle[i]), 120 + i * 1470, 7680,
                                  1410, 390, QString::fromUtf8(errTips[i]));
    }

    Command24 = button(this, QStringLiteral("受信文字数"), 120, 8160, 1350, 390,
                       QStringLiteral("受信文字数をクリアします"));
    Label4 = label(this, QStringLiteral("0"), Qt::AlignRight | Qt::AlignVCenter);
    place(Label4, 1530, 8160, 2100, 390);
    Command23 = button(this, QStringLiteral("送信文字数"), 3780, 8160, 1350, 390,
                       QStringLiteral("送信文字数をクリアします"));
    Label8 = label(this, QStringLiteral("0"), Qt::AlignRight | Qt::AlignVCenter);
    place(Label8, 5190, 8160, 2100, 390);
    for (QLabel* count : {Label4, Label8}) {
        count->setFrameShape(QFrame::Panel);
        count->setFrameShadow(QFrame::Sunken);
    }

    Frame1 = panel(this, QFrame::Box);
    place(Frame1, 120, 8700, 7200, 420);
    QLabel** params[5] = {&lblCOM, &lblBPS, &LBLdatasize, &lblparity, &lblstopbit};
    for (int i = 0; i < 5; ++i) {
        *params[i] = label(Frame1, QString());
        place(*params[i], 60 + i * 1410, 45, 1380, 330);
    }

    lblKeyinfo = label(this, QString(), Qt::AlignLeft | Qt::AlignVCenter);
    place(lblKeyinfo, 7440, 8160, 1800, 600);
    lblKeyinfo1 = label(this, QString(), Qt::AlignLeft | Qt::AlignVCenter);
    place(lblKeyinfo1, 7440, 8790, 1800, 330);

    PicFont = panel(this, QFrame::Box);
    place(PicFont, 120, 9240, 4200, 450);
    static const char* const fontNames[2] = {"明朝", "ゴシック"};
    for (int i = 0; i < 2; ++i) {
        Opt_Font[i] = new QRadioButton(PicFont);
        place(Opt_Font[i], 60 + i * 1800, 75, 300, 300);
        Lbl_font[i] =
            label(PicFont, QString::fromUtf8(fontNames[i]), Qt::AlignLeft | Qt::AlignVCenter);
        place(Lbl_font[i], 390 + i * 1800, 75, 1200, 300);
    }

    Picl5 = panel(this, QFrame::Box);
    place(Picl5, 4440, 9240, 2400, 450);
    label5x = label(Picl5, QStringLiteral("受信ロギング中"));
    place(label5x, 60, 60, 2280, 330);
    Picl6 = panel(this, QFrame::Box);
    place(Picl6, 6960, 9240, 2400, 450);
    Label1 = label(Picl6, QStringLiteral("ﾌｧｲﾙ垂流し受信中"));
    place(Label1, 60, 60, 2280, 330);
    for (QLabel* l : {label5x, Label1})
        vbcolor::setForeColor(l, 0x0000FF);
    Picl5->hide();
    Picl6->hide();
}

void T_Term_frm::buildButtons() {
    Cmd_Start = button(this, QStringLiteral("Start"), 6360, 6780, 1200, 390);
    Cmd_stop = button(this, QStringLiteral("Stop"), 6360, 7200, 1200, 390);
    cmdDTR[0] = button(this, QStringLiteral("DTR ON"), 7680, 6780, 1200, 390,
                       QStringLiteral("ＤＴＲ　スペース　＋電圧出力"));
    cmdDTR[1] = button(this, QStringLiteral("DTR OFF"), 7680, 7200, 1200, 390,
                       QStringLiteral("ＤＴＲ　マーク　－電圧出力"));
    cmdRTS[0] = button(this, QStringLiteral("RTS ON"), 9000, 6780, 1200, 390,
                       QStringLiteral("ＲＴＳ　スペース　＋電圧出力"));
    cmdRTS[1] = button(this, QStringLiteral("RTS OFF"), 9000, 7200, 1200, 390,
                       QStringLiteral("ＲＴＳ　マーク　－電圧出力"));
    cmdXONF[0] = button(this, QStringLiteral("Xon (11h)"), 6000, 7680, 1200, 390,
                        QStringLiteral("ソフトフロー受信可"));
    cmdXONF[1] = button(this, QStringLiteral("Xoff (13h)"), 7260, 7680, 1200, 390,
                        QStringLiteral("ソフトフロー受信不可"));
    Command9 = button(this, QStringLiteral("ﾌﾞﾚｰｸ送出"), 8520, 7680, 1200, 390,
                      QStringLiteral("ＴＸＤ　スペース　＋電圧出力（150ms間）"));
    cmdKeyClear = button(this, QStringLiteral("ｷｰ ｸﾘｱ"), 9360, 8160, 1560, 390);
    Command10 = button(this, QStringLiteral("1ﾗｲﾝ再送"), 9360, 8580, 1560, 390);

    // Display modes.
    Cmd_chr =
        gridButton(this, 0, 0, QStringLiteral("1 shift JIS"), QStringLiteral("受信漢字表示含む"));
    Cmd_hex = gridButton(this, 0, 1, QStringLiteral("Hex"),
                         QStringLiteral("受信１６進表示 クリック右･左"));
    Cmd_DecNoSign = gridButton(this, 0, 2, QStringLiteral("Dec1"),
                               QStringLiteral("受信１０進サインなし表示 (0～255) クリック右･左"));
    Cmd_DecSign = gridButton(this, 0, 3, QStringLiteral("Dec2"),
                             QStringLiteral("受信１０進サインあり表示 (-128～127) クリック右･左"));
    Cmd_BIT =
        gridButton(this, 1, 0, QStringLiteral("VBC"), QStringLiteral("受信 Bit On Edge Counter"));
    static const char* const patCaptions[3] = {"JIS8", "ASCII", "2 shift JIS"};
    static const char* const patTips[3] = {"受信ＪＩＳ８表示 クリック右･左",
                                           "受信ＡＳＣＩＩ表示 クリック右･左",
                                           "受信漢字表示含む(Scope Type) クリック右･左"};
    for (int i = 0; i < 3; ++i) {
        Cmd_Disp_Pat[i] = gridButton(this, 1, i + 1, QString::fromLatin1(patCaptions[i]),
                                     QString::fromUtf8(patTips[i]));
    }
    static const char* const graphCaptions[8] = {"AG", "AGs", "BG",  "BGs",
                                                 "DG", "DG2", "Bit", "Bit2"};
    static const char* const graphTips[8] = {
        "受信１Byteアナロググラフ サインなし", "受信１Byteアナロググラフ サインあり",
        "受信１Byte棒グラフ サインなし",       "受信１Byte棒グラフ サインあり",
        "受信矩形波  クリック右･左",           "受信矩形波 ２",
        "受信ビット表示  クリック右･左",       "受信ビット表示 ２"};
    for (int i = 0; i < 8; ++i) {
        Cmd_Graph[i] = gridButton(this, 2 + i / 4, i % 4, QString::fromLatin1(graphCaptions[i]),
                                  QString::fromUtf8(graphTips[i]));
    }

    Cmd_Scale = gridButton(this, 4, 0, QStringLiteral("Color"),
                           QStringLiteral("グラフの線・バックの色を指定します"));
    Cmd_All_Clear = gridButton(this, 4, 1, QStringLiteral("全消去"),
                               QStringLiteral("受信画面・メモリー・カウントをクリアします"));
    Command17 = gridButton(this, 4, 2, QStringLiteral("画面消去"),
                           QStringLiteral("受信画面・メモリーをクリアします"));
    Command3 =
        gridButton(this, 4, 3, QStringLiteral("RS232C通信設定"), QStringLiteral("通信条件の設定"));

    Command16 = gridButton(this, 5, 0, QStringLiteral("受信 復帰改行"),
                           QStringLiteral("受信復帰・改行設定"));
    Command20 =
        gridButton(this, 5, 1, QStringLiteral("受信 制御表示"), QStringLiteral("受信制御表示設定"));
    Command8 = gridButton(this, 5, 2, QStringLiteral("キー送信設定"),
                          QStringLiteral("キーボード送信設定"));
    Cmd_KeySend = gridButton(this, 5, 3, QStringLiteral("１行編集送信"));

    Command1 = gridButton(this, 6, 0, QStringLiteral("制御コード出力 1"));
    Command4 = gridButton(this, 6, 1, QStringLiteral("制御コード出力 2"));
    Cmd_TxtSend = gridButton(this, 6, 2, QStringLiteral("テキスト送信"));
    CmdSendRand = gridButton(this, 6, 3, QStringLiteral("ﾗﾝﾀﾞﾑ送信"));

    Command26 = gridButton(this, 7, 0, QStringLiteral("ﾏｳｽ送信"),
                           QStringLiteral("マウスで任意のデータを送信"));
    Command2 = gridButton(this, 7, 1, QStringLiteral("ファイル垂流し送信"));
    Command18 = gridButton(this, 7, 2, QStringLiteral("ファイル垂流し受信"));
    Command5 = gridButton(this, 7, 3, QStringLiteral("ロギング設定"),
                          QStringLiteral("全受信文字ファイル書込み"));

    Command15 = gridButton(this, 8, 0, QStringLiteral("ファイル送受信"));
    CmdCsv = gridButton(this, 8, 1, QStringLiteral("Binary to CSV"));
    Command11 = gridButton(this, 8, 2, QStringLiteral("受信ｶｳﾝﾄ表示"));
    Command22 = gridButton(this, 8, 3, QStringLiteral("送信ｶｳﾝﾄ表示"));

    Command13 = gridButton(this, 9, 0, QStringLiteral("UF登録・編集"));
    Command6 = gridButton(this, 9, 1, QStringLiteral("UF送信w"));
    Command19 = gridButton(this, 9, 2, QStringLiteral("UF送信s"));
    Cmd_User = gridButton(this, 9, 3, QString());
    Cmd_User->hide(); // a place kept in the designer layout; it does nothing

    Command14 = gridButton(this, 10, 0, QStringLiteral("ﾀﾞﾝﾌﾟ Hex"),
                           QStringLiteral("受信メモリーダンプ Ｈｅｘ"));
    Command25 = gridButton(this, 10, 1, QStringLiteral("Memory Scope"),
                           QStringLiteral("受信メモリー スコープ"));
    Command21 = gridButton(this, 10, 2, QStringLiteral("ﾀﾞﾝﾌﾟ Chr."),
                           QStringLiteral("受信メモリーダンプ Ｃｈｒ．  クリック右･左"));
    Cmd_File_DS =
        gridButton(this, 10, 3, QStringLiteral("File Scope"), QStringLiteral("ファイルスコープ"));
    Command7 =
        gridButton(this, 11, 0, QStringLiteral("File Dump"), QStringLiteral("ファイルダンプ"));

    // The bit on-edge counter's clear buttons, shown in that mode only.
    Pic_Btn = panel(this, QFrame::Box);
    place(Pic_Btn, GridLeft, GridTop + 12 * RowStep + 120, 4 * ColStep - 60, 1380);
    for (int i = 0; i < 9; ++i) {
        const QString caption =
            i < 8 ? QStringLiteral("D%1 Clear").arg(7 - i) : QStringLiteral("All Clear");
        Cmd_Bit_Clear[i] =
            button(Pic_Btn, caption, 60 + (i % 4) * 1680, 60 + (i / 4) * 420, 1620, 390);
        Cmd_Bit_Clear[i]->hide();
    }
    Pic_Btn->hide();
}
