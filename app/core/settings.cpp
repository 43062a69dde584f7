#include "core/settings.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

std::array<QString, 33> Settings::defaultCtrlCodeSymbols() {
    std::array<QString, 33> symbols;
    symbols.fill(QStringLiteral("・"));
    symbols[10] = QStringLiteral("↓");
    symbols[13] = QStringLiteral("←");
    return symbols;
}

std::array<int32_t, 16> Settings::defaultCustomColors() {
    std::array<int32_t, 16> colors;
    colors.fill(settings_defaults::White);
    return colors;
}

Settings& settings() {
    static Settings s;
    return s;
}

RunSettings& runSettings() {
    static RunSettings r;
    return r;
}

namespace {

// A choice outside low..high goes back to its default: the windows index
// option-button arrays and tables with these values.
void keepInRange(int16_t& value, int low, int high, int16_t fallback) {
    if (value < low || value > high) value = fallback;
}

void keepOneOf(int16_t& value, std::initializer_list<int> valid, int16_t fallback) {
    if (std::find(valid.begin(), valid.end(), value) == valid.end()) value = fallback;
}

void keepNonNegative(int32_t& value, int32_t fallback) {
    if (value < 0) value = fallback;
}

// The stored speed goes into the port's parameter text as it stands, so it
// must be a plain decimal number: a comma in it would move every field after
// it (a "9600,2" would open the port with odd parity).
void keepDecimalDigits(QString& text, const QString& fallback) {
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (!digits) text = fallback;
}

// Font sizes the size lists offer run from 8 to 50; anything a font can
// sensibly take is kept, the rest (zero, negative, absurd) is the default.
void keepFontSize(float& size, float fallback) {
    if (!std::isfinite(size) || size < 1 || size > 500) size = fallback;
}

} // namespace

void clampToValidRanges(Settings& s) {
    const Settings d;
    auto flag = [](int16_t& value, int16_t fallback) { keepInRange(value, 0, 1, fallback); };

    flag(s.ComOnFlg, d.ComOnFlg);
    keepDecimalDigits(s.ComBps, d.ComBps);

    flag(s.KeySendUnit, d.KeySendUnit);
    keepInRange(s.KeySendEnter, 0, 3, d.KeySendEnter);
    flag(s.KeySendMode, d.KeySendMode);

    keepInRange(s.CrSendMode, 0, 2, d.CrSendMode);
    keepInRange(s.LfSendMode, 0, 2, d.LfSendMode);
    keepInRange(s.BsSendMode, 0, 3, d.BsSendMode);
    keepInRange(s.DelSendMode, 0, 3, d.DelSendMode);
    flag(s.NulSendMode, d.NulSendMode);
    flag(s.SubSendMode, d.SubSendMode);

    flag(s.CrNewLineFlg, d.CrNewLineFlg);
    flag(s.LfNewLineFlg, d.LfNewLineFlg);

    flag(s.FileSendExit, d.FileSendExit);
    flag(s.UFSmallExitFlg, d.UFSmallExitFlg);
    flag(s.UFSendExitFlg, d.UFSendExitFlg);

    // Dump views: 0-4 text layouts, 10-14 graphs.
    keepOneOf(s.FileDumpDispMode, {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}, d.FileDumpDispMode);
    keepOneOf(s.RcvDumpDispMode, {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}, d.RcvDumpDispMode);

    keepNonNegative(s.LogSizeKB, d.LogSizeKB);

    flag(s.DumpScaleFlg, d.DumpScaleFlg);
    flag(s.FileDumpScaleFlg, d.FileDumpScaleFlg);
    flag(s.CurSignMode, d.CurSignMode);
    keepOneOf(s.DispMode, {0, 1, 2, 3, 10, 11, 12, 13, 14, 15, 20, 30, 40, 41, 42, 43}, d.DispMode);
    flag(s.ScopeJis8Flg, d.ScopeJis8Flg);
    flag(s.GraphSignFlg, d.GraphSignFlg);
    keepInRange(s.ScopeCharCode, 0, 2, d.ScopeCharCode);
    keepInRange(s.FileScopeCharCode, 0, 2, d.FileScopeCharCode);
    flag(s.GraphScaleFlg, d.GraphScaleFlg);
    flag(s.ScopeSjisFlg, d.ScopeSjisFlg);
    flag(s.KuriFlg, d.KuriFlg);

    for (int16_t* font : {&s.LineViewFont, &s.FontChoice, &s.FileDumpFont, &s.FileScopeFont,
                          &s.DumpFont, &s.ScopeFont, &s.UFEditFont, &s.TxtSendFont})
        flag(*font, 0);

    flag(s.TxtKuriFlg, d.TxtKuriFlg);
    keepInRange(s.ScopeDispPat, 0, 3, d.ScopeDispPat);
    keepInRange(s.FileScopeDispPat, 0, 3, d.FileScopeDispPat);

    for (int32_t* size :
         {&s.UFListColWidth1, &s.UFListColWidth2, &s.UFListColWidth3, &s.UFListColWidth4,
          &s.UFListColWidth5, &s.UFListWidth, &s.UFListHeight, &s.UFEditListColWidth1,
          &s.UFEditListColWidth2, &s.UFEditListColWidth3, &s.UFEditListColWidth4,
          &s.UFEditListColWidth5, &s.UFEditListWidth, &s.UFEditListHeight, &s.KeySendWidth,
          &s.KeySendHeight, &s.UFEditWidth, &s.UFEditHeight})
        keepNonNegative(*size, 0);
    flag(s.UFIchiranExitFlg, d.UFIchiranExitFlg);

    flag(s.ScopeGraphSign, d.ScopeGraphSign);
    keepInRange(s.ScopeGraphSel, 0, 2, d.ScopeGraphSel);
    flag(s.FileScopeGraphSign, d.FileScopeGraphSign);
    keepInRange(s.FileScopeGraphSel, 0, 2, d.FileScopeGraphSel);

    flag(s.EndMsgBeep, d.EndMsgBeep);
    flag(s.WarnBeep, d.WarnBeep);
    flag(s.PortErrBeep, d.PortErrBeep);

    keepInRange(s.RandPattern, 0, 8, d.RandPattern);

    flag(s.KeySendFont, d.KeySendFont);
    keepFontSize(s.KeySendFontSize, d.KeySendFontSize);
    flag(s.LineSendMode, d.LineSendMode);
    keepInRange(s.LineSendEnter, 0, 3, d.LineSendEnter);

    flag(s.CsvSignMode, d.CsvSignMode);
    keepInRange(s.CsvKugiri, 0, 3, d.CsvKugiri);

    keepFontSize(s.UFEditFontSize, d.UFEditFontSize);
}
