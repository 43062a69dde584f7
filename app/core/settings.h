// The user's settings. `Settings` holds every value of the settings file
// (read at start-up by LoadSetting, written back by VELDRAKON_END), named as
// the program names them, in file order; `RunSettings` holds the values that
// start from the same defaults at every run and are never saved.
//
// Types follow the file: int16_t and int32_t integers, float for single
// values, QString for texts. Colours are 0x00BBGGRR, or a system colour with
// the top bit set (0x8000000F is the button face).
//
// The line counters and the per-byte-value counts of the file are not fields:
// they are handed to the library while reading and read back from it while
// writing.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "ui/vb_color.h"

namespace settings_defaults {
using namespace vbcolors;
inline constexpr int32_t DarkGraphBack = 0x3A3A1D;
} // namespace settings_defaults

struct Settings {
    // Line 2.
    int32_t SpareLong = 0;

    // Line 3: the port.
    int16_t ComOnFlg = 0; // 1 = open the port at start-up
    QString ComPortName = QStringLiteral("COM1");
    QString ComBps = QStringLiteral("9600");
    QString ComParity = QStringLiteral("なし");
    QString ComDataBit = QStringLiteral("8 ビット");
    QString ComStopBit = QStringLiteral("1 ビット");
    QString ComFlow = QStringLiteral("なし");

    // Line 4: key input of the main window.
    int16_t KeySendUnit = 0;  // 0 per character, 1 per line
    int16_t KeySendEnter = 1; // EnterSendCode: 0 CR, 1 CR LF, 2 nothing, 3 LF
    int16_t KeySendMode = 0;  // 0 as typed, 1 through the escape interpreter

    // Line 5: the file sender's conversions.
    int16_t CrSendMode = 0, LfSendMode = 0, BsSendMode = 0, DelSendMode = 0, NulSendMode = 0,
            SubSendMode = 0;

    // Line 6: receive line breaks.
    int16_t CrNewLineFlg = 0;
    int16_t LfNewLineFlg = 1;

    // Line 7: symbol shown for each received control code 00h-1Fh
    // ("ｻﾌﾟﾚｽ" = nothing, "・" = "."). Entry 32 is not stored; it exists
    // because the program dimensions the array 0 to 32.
    std::array<QString, 33> CtrlCodeSymbol = defaultCtrlCodeSymbols();

    // Lines 8-9 are library counters. Line 10 ends with two reserved values.
    int16_t ReservedInt1 = 0, ReservedInt2 = 0;

    // Line 11.
    int16_t FileSendExit = 0, UFSmallExitFlg = 0, UFSendExitFlg = 0;

    // Lines 12-16. Empty here: start-up fills the empty ones with the
    // program's folder after the load.
    QString SendFileFolder, RcvFileFolder, OrgFileFolder, LogFolder, OpenFileFolder;

    // Line 17.
    int16_t FileDumpDispMode = 0, RcvDumpDispMode = 0;

    // Line 18. AppDrive is empty here; start-up gives it the first two
    // characters of the program's folder when the file leaves it empty.
    QString AppDrive;
    float SpareSingle = 1;

    // Line 19.
    int32_t LogSizeKB = 1024;

    // Lines 20-25: reserved, written back as read.
    std::array<QString, 6> ReservedText;

    // Lines 26-28.
    int16_t DumpScaleFlg = 0, FileDumpScaleFlg = 0;
    int16_t CurSignMode = 0;
    int16_t DispMode = 0; // DispModeNo
    int16_t ScopeJis8Flg = 0, GraphSignFlg = 0;

    // Lines 29-34.
    int32_t GraphLineColor = settings_defaults::Green;
    int32_t DumpGraphColor = settings_defaults::Green;
    int32_t FileDumpGraphColor = settings_defaults::Green;
    int16_t ScopeCharCode = 0, FileScopeCharCode = 0;
    int16_t GraphScaleFlg = 1; // forced to 1 after every load
    int16_t ScopeSjisFlg = 0;
    int16_t SpareInt3 = 0, SpareInt4 = 0;
    int16_t KuriFlg = 0;
    int32_t KuriCount = 0;

    // Line 35: font choices.
    int16_t LineViewFont = 0, FontChoice = 0, FileDumpFont = 0, FileScopeFont = 0, DumpFont = 0,
            ScopeFont = 0, UFEditFont = 0, TxtSendFont = 0;

    // Line 36. Empty here; start-up gives it the program's folder before the
    // load, and an empty stored value stays empty.
    QString TxtDirPath;

    // Lines 37-40.
    int16_t TxtKuriFlg = 0;
    int32_t TxtKuriSu = 0;
    int16_t SpareInt1 = 0, SpareInt2 = 7;
    int32_t SpareCount = 120;
    int16_t ScopeDispPat = 0, FileScopeDispPat = 0;

    // Line 41: the send list (column widths in file order 1, 2, 3, 5, 4).
    int32_t UFListColWidth1 = 0, UFListColWidth2 = 0, UFListColWidth3 = 0, UFListColWidth5 = 0,
            UFListColWidth4 = 0;
    int16_t UFIchiranExitFlg = 0;
    int32_t UFListWidth = 0, UFListHeight = 0;

    // Lines 42-43.
    int16_t ScopeGraphSign = 0, ScopeGraphSel = 0;
    int32_t ScopeGraphColor = settings_defaults::Green;
    int16_t FileScopeGraphSign = 0, FileScopeGraphSel = 0;
    int32_t FileScopeGraphColor = settings_defaults::Green;

    // Line 44: the edit list.
    int32_t UFEditListColWidth1 = 0, UFEditListColWidth2 = 0, UFEditListColWidth3 = 0,
            UFEditListColWidth5 = 0, UFEditListColWidth4 = 0, UFEditListWidth = 0,
            UFEditListHeight = 0;

    // Lines 45-46.
    int16_t EndMsgBeep = 1, WarnBeep = 1, PortErrBeep = 1;
    QString LineView2FontName = QStringLiteral("ＭＳ 明朝");
    QString LineView2FontSize = QStringLiteral("24");

    // Lines 47-52: colours.
    int32_t RcvForeColor = settings_defaults::Blue;
    int32_t RcvBackColor = settings_defaults::White;
    std::array<int32_t, 16> CustomColors = defaultCustomColors();
    int32_t LineViewForeColor = settings_defaults::Blue;
    int32_t LineView2ForeColor = settings_defaults::Blue;
    int32_t GraphBackColor = settings_defaults::DarkGraphBack;
    int32_t ScopeBackColor = settings_defaults::DarkGraphBack;
    int32_t DumpBackColor = settings_defaults::DarkGraphBack;
    int32_t FileScopeBackColor = settings_defaults::DarkGraphBack;
    int32_t FileDumpBackColor = settings_defaults::DarkGraphBack;
    int32_t LineViewBackColor = settings_defaults::White;
    int32_t LineView2BackColor = settings_defaults::White;
    int32_t WindowColor = vbcolor::kButtonFace;
    int32_t WindowColorSel = vbcolor::kButtonFace;

    // Line 53.
    int16_t RandPattern = 0;

    // Line 54: the line-send window.
    int16_t KeySendFont = 0;
    float KeySendFontSize = 12;
    int16_t LineSendMode = 0;
    int16_t LineSendEnter = 1;
    int32_t KeySendBackColor = settings_defaults::White;
    int32_t KeySendForeColor = settings_defaults::Blue;
    int32_t KeySendWidth = 0, KeySendHeight = 0;

    // Lines 55-57: the CSV conversion. The folders stay empty when empty.
    int16_t CsvSignMode = 0;
    int16_t CsvKugiri = 3;
    QString CsvSrcFolder;
    QString CsvDstFolder;

    // Line 58: the key editor.
    float UFEditFontSize = 12;
    int32_t UFEditBackColor = settings_defaults::White;
    int32_t UFEditForeColor = settings_defaults::Blue;
    int32_t UFEditWidth = 0, UFEditHeight = 0;

    static std::array<QString, 33> defaultCtrlCodeSymbols();
    static std::array<int32_t, 16> defaultCustomColors();
};

// Values that live only for the run. None of them is saved.
struct RunSettings {
    // Tool-window positions in twips; Left -10000 = not placed yet in this
    // run (the window centres itself on its first show).
    static constexpr int32_t NotPlaced = -10000;
    int32_t TxtSendLeft = NotPlaced, TxtSendTop = 0;
    int32_t FileFormLeft = NotPlaced, FileFormTop = 0;
    int32_t UFSendSmallLeft = NotPlaced, UFSendSmallTop = 0;
    int32_t FileDisp1Left = NotPlaced, FileDisp1Top = 0;
    int32_t FileDispScpLeft = NotPlaced, FileDispScpTop = 0;
    int32_t DispHex2Left = NotPlaced, DispHex2Top = 0;
    int32_t DispLineLeft = NotPlaced, DispLineTop = 0;
    int32_t DispHexLeft = NotPlaced, DispHexTop = 0;
    int32_t UFSendLeft = NotPlaced, UFSendTop = 0;
    int32_t CodeDispLeft = NotPlaced, CodeDispTop = 0;
    int32_t CodeDispSndLeft = NotPlaced, CodeDispSndTop = 0;
    int32_t CurSendLeft = NotPlaced, CurSendTop = 0;
    int32_t EntLeft = NotPlaced, EntTop = 0;
    int32_t CtrlLeft = NotPlaced, CtrlTop = 0;
    int32_t UFSendIchiranLeft = NotPlaced, UFSendIchiranTop = 0;
    int32_t UFEditIchiranLeft = NotPlaced, UFEditIchiranTop = 0;
    int32_t DispLine2Left = NotPlaced, DispLine2Top = 0;
    int32_t RandSendLeft = NotPlaced, RandSendTop = 0;
    int32_t KeySendLeft = NotPlaced, KeySendTop = 0;
    int32_t UFEdit1Left = NotPlaced, UFEdit1Top = 0;

    // Function-key lists: the grid's top row when last closed.
    int32_t UFEditListTopRow = 0;
    int32_t UFListTopRow = 0;

    // Live graphs of the main window.
    int16_t GraphStepX = 2;
    int16_t BarStepX = 2;
    int16_t BarOffsetX = 0;
    int16_t GraphValueMin = 0;
    int16_t GraphValueMax = 255; // choosing a graph mode sets both again
    int16_t ScopeLayout = 0;     // 0 = 40-column scope, 1 = 80 columns

    // Offline graphs of the data views.
    int32_t OffGraphLineColor = settings_defaults::Green;
    int32_t OffGraphBackColor = 0;
    int16_t OffBarStepX = 2;
    int16_t OffBarOffsetX = 0;

    // Sine pattern of the random-send window.
    int16_t SinAmplitude = 127;
    float SinStep = 1.25f; // degrees
};

Settings& settings();
RunSettings& runSettings();

// Puts every choice, index and size that a stored file could have spoiled
// back into the range its windows expect (the default where it is not).
void clampToValidRanges(Settings& s);
