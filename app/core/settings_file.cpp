#include "core/settings_file.h"

#include "core/file_io.h"
#include "core/file_save.h"
#include "core/program_folder.h"
#include "core/settings_values.h"
#include "core/tovaline_api.h"
#include "text/cp932.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

QString OvrFileName;

namespace {

using settings_values::singleValue;
using settings_values::textValue;
using settings_values::toNumber;
using settings_values::ValueReader;

const QString kStandardTitle = QStringLiteral("VELDRAKON");
const QString kHeaderText = QStringLiteral("システムファイルです｡");

// The real file is a few kilobytes; the cap only keeps a stray huge file
// from being read whole.
constexpr qint64 kMaxFileBytes = 1 << 20;

// ---- The layout: one list of items per line, shared by reader and writer.

struct HeaderText {}; // line 1: written always, read and ignored
struct KeptAtEnd {    // line 7: at the end of the file the entry keeps its value
    QString* text;
};
enum class CounterTable { Line, Received, Sent }; // lines 8 to 10: library counters

using Item =
    std::variant<HeaderText, int16_t*, int32_t*, float*, QString*, KeptAtEnd, CounterTable>;
using Line = std::vector<Item>;

std::vector<Line> fileLayout(Settings& s) {
    Line symbols;
    for (int i = 0; i < 32; ++i)
        symbols.push_back(KeptAtEnd{&s.CtrlCodeSymbol[i]});
    Line customColors;
    for (int32_t& c : s.CustomColors)
        customColors.push_back(&c);

    std::vector<Line> lines = {
        {HeaderText{}},
        {&s.SpareLong},
        {&s.ComOnFlg, &s.ComPortName, &s.ComBps, &s.ComParity, &s.ComDataBit, &s.ComStopBit,
         &s.ComFlow},
        {&s.KeySendUnit, &s.KeySendEnter, &s.KeySendMode},
        {&s.CrSendMode, &s.LfSendMode, &s.BsSendMode, &s.DelSendMode, &s.NulSendMode,
         &s.SubSendMode},
        {&s.CrNewLineFlg, &s.LfNewLineFlg},
        symbols,
        {CounterTable::Line},
        {CounterTable::Received},
        {CounterTable::Sent, &s.ReservedInt1, &s.ReservedInt2},
        {&s.FileSendExit, &s.UFSmallExitFlg, &s.UFSendExitFlg},
        {&s.SendFileFolder},
        {&s.RcvFileFolder},
        {&s.OrgFileFolder},
        {&s.LogFolder},
        {&s.OpenFileFolder},
        {&s.FileDumpDispMode, &s.RcvDumpDispMode},
        {&s.AppDrive, &s.SpareSingle},
        {&s.LogSizeKB},
    };
    for (QString& reserved : s.ReservedText)
        lines.push_back({&reserved});
    const std::vector<Line> rest = {
        {&s.DumpScaleFlg, &s.FileDumpScaleFlg},
        {&s.CurSignMode},
        {&s.DispMode, &s.ScopeJis8Flg, &s.GraphSignFlg},
        {&s.GraphLineColor, &s.DumpGraphColor, &s.FileDumpGraphColor},
        {&s.ScopeCharCode, &s.FileScopeCharCode},
        {&s.GraphScaleFlg},
        {&s.ScopeSjisFlg},
        {&s.SpareInt3, &s.SpareInt4},
        {&s.KuriFlg, &s.KuriCount},
        {&s.LineViewFont, &s.FontChoice, &s.FileDumpFont, &s.FileScopeFont, &s.DumpFont,
         &s.ScopeFont, &s.UFEditFont, &s.TxtSendFont},
        {&s.TxtDirPath},
        {&s.TxtKuriFlg, &s.TxtKuriSu},
        {&s.SpareInt1, &s.SpareInt2},
        {&s.SpareCount},
        {&s.ScopeDispPat, &s.FileScopeDispPat},
        {&s.UFListColWidth1, &s.UFListColWidth2, &s.UFListColWidth3, &s.UFListColWidth5,
         &s.UFListColWidth4, &s.UFIchiranExitFlg, &s.UFListWidth, &s.UFListHeight},
        {&s.ScopeGraphSign, &s.ScopeGraphSel, &s.ScopeGraphColor},
        {&s.FileScopeGraphSign, &s.FileScopeGraphSel, &s.FileScopeGraphColor},
        {&s.UFEditListColWidth1, &s.UFEditListColWidth2, &s.UFEditListColWidth3,
         &s.UFEditListColWidth5, &s.UFEditListColWidth4, &s.UFEditListWidth, &s.UFEditListHeight},
        {&s.EndMsgBeep, &s.WarnBeep, &s.PortErrBeep},
        {&s.LineView2FontName, &s.LineView2FontSize},
        {&s.RcvForeColor, &s.RcvBackColor},
        customColors,
        {&s.LineViewForeColor, &s.LineView2ForeColor},
        {&s.GraphBackColor, &s.ScopeBackColor, &s.DumpBackColor, &s.FileScopeBackColor,
         &s.FileDumpBackColor},
        {&s.LineViewBackColor, &s.LineView2BackColor},
        {&s.WindowColor, &s.WindowColorSel},
        {&s.RandPattern},
        {&s.KeySendFont, &s.KeySendFontSize, &s.LineSendMode, &s.LineSendEnter, &s.KeySendBackColor,
         &s.KeySendForeColor, &s.KeySendWidth, &s.KeySendHeight},
        {&s.CsvSignMode, &s.CsvKugiri},
        {&s.CsvSrcFolder},
        {&s.CsvDstFolder},
        {&s.UFEditFontSize, &s.UFEditBackColor, &s.UFEditForeColor, &s.UFEditWidth,
         &s.UFEditHeight},
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

// ---- Reading.

// A stored count beyond the ceiling (or below zero) cannot have come from
// the library.
int32_t asLibraryCount(int32_t value) {
    return std::clamp(value, 0, TOVALINE_COUNT_MAX);
}

void handCounterToLibrary(CounterTable table, int16_t index, int32_t value) {
    switch (table) {
    case CounterTable::Line:
        lib().SetClearCount(index, value);
        break;
    case CounterTable::Received:
        lib().ClearCodeCounter(index, value, 0);
        break;
    case CounterTable::Sent:
        lib().ClearCodeCounter(index, value, 1);
        break;
    }
}

int counterCount(CounterTable table) {
    return table == CounterTable::Line ? 16 : 256;
}

// Reads one item; false stops the whole read.
bool readItem(ValueReader& in, const Item& item) {
    return std::visit(
        [&in](auto target) -> bool {
            using T = decltype(target);
            if constexpr (std::is_same_v<T, HeaderText>) {
                return in.next().has_value();
            } else if constexpr (std::is_same_v<T, QString*>) {
                const auto token = in.next();
                if (token) *target = cp932::toUnicode(*token);
                return token.has_value();
            } else if constexpr (std::is_same_v<T, KeptAtEnd>) {
                if (in.atEnd()) return true;
                const auto token = in.next();
                if (token) *target.text = cp932::toUnicode(*token);
                return token.has_value();
            } else if constexpr (std::is_same_v<T, CounterTable>) {
                // Every index is handed over, 0 for those past the end of the file.
                for (int i = 0; i < counterCount(target); ++i) {
                    int32_t value = 0;
                    if (!in.atEnd()) {
                        const auto token = in.next();
                        const auto number = token ? toNumber<int32_t>(*token) : std::nullopt;
                        if (!number) return false;
                        value = asLibraryCount(*number);
                    }
                    handCounterToLibrary(target, static_cast<int16_t>(i), value);
                }
                return true;
            } else {
                const auto token = in.next();
                const auto number =
                    token ? toNumber<std::remove_pointer_t<T>>(*token) : std::nullopt;
                if (number) *target = *number;
                return number.has_value();
            }
        },
        item);
}

// ---- Writing.

QByteArray counterValues(CounterTable table, const SavedCounters& counters) {
    const int32_t* values = table == CounterTable::Line       ? counters.lines.data()
                            : table == CounterTable::Received ? counters.received.data()
                                                              : counters.sent.data();
    QByteArray out;
    for (int i = 0; i < counterCount(table); ++i) {
        if (i > 0) out += ',';
        out += QByteArray::number(values[i]);
    }
    return out;
}

QByteArray itemText(const Item& item, const SavedCounters& counters) {
    return std::visit(
        [&counters](auto target) -> QByteArray {
            using T = decltype(target);
            if constexpr (std::is_same_v<T, HeaderText>) {
                return cp932::fromUnicode(kHeaderText);
            } else if constexpr (std::is_same_v<T, QString*>) {
                return textValue(*target);
            } else if constexpr (std::is_same_v<T, KeptAtEnd>) {
                return textValue(*target.text);
            } else if constexpr (std::is_same_v<T, CounterTable>) {
                return counterValues(target, counters);
            } else if constexpr (std::is_same_v<T, float*>) {
                return singleValue(*target);
            } else {
                return QByteArray::number(*target);
            }
        },
        item);
}

// Anything else in a settings file's place is read as no file at all.
bool regularFileExists(const QString& folder, const QString& name) {
    return QFileInfo(folder + '/' + name).isFile();
}

} // namespace

QString applicationTitle() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? kStandardTitle : name;
}

QString ownSettingsFileName(const QString& title) {
    return title + QStringLiteral(".OVR");
}

QString seedSettingsFileName(const QString& title, const QString& folder) {
    const QString standard = ownSettingsFileName(kStandardTitle);
    if (title == kStandardTitle || regularFileExists(folder, ownSettingsFileName(title)) ||
        !regularFileExists(folder, standard))
        return {};
    return standard;
}

QString settingsFilePath() {
    const QString name =
        OvrFileName.isEmpty() ? ownSettingsFileName(applicationTitle()) : OvrFileName;
    return programFolderPath() + '/' + name;
}

void readSettingsText(const QByteArray& text, Settings& s) {
    ValueReader in(text);
    for (const Line& line : fileLayout(s))
        for (const Item& item : line)
            if (!readItem(in, item)) return;
}

void LoadSetting() {
    // A FIFO in the file's place would hold the start in open() for ever.
    const FileStart file = readFileStart(settingsFilePath(), kMaxFileBytes);
    if (file.error != 0) return;
    readSettingsText(file.bytes, settings());
    clampToValidRanges(settings());
}

void LoadStartUpSettings() {
    const QString title = applicationTitle();
    const QString seed = seedSettingsFileName(title, programFolderPath());
    if (!seed.isEmpty()) {
        OvrFileName = seed;
        LoadSetting();
    }
    OvrFileName = ownSettingsFileName(title);
    LoadSetting();
}

SavedCounters readLibraryCounters() {
    SavedCounters c;
    auto& l = c.lines;
    lib().ReadCount(&l[0], &l[1], &l[2], &l[3], &l[4], &l[5], &l[6], &l[7], &l[8], &l[9], &l[10],
                    &l[11], &l[12], &l[13], &l[14], &l[15]);
    lib().ReadCodeCounter(c.received.data(), 0);
    lib().ReadCodeCounter(c.sent.data(), 1);
    return c;
}

QByteArray settingsFileText(const Settings& s, const SavedCounters& counters) {
    Settings values = s; // the layout points into a copy: writing changes nothing
    QByteArray out;
    for (const Line& line : fileLayout(values)) {
        for (size_t i = 0; i < line.size(); ++i) {
            if (i > 0) out += ',';
            out += itemText(line[i], counters);
        }
        out += "\r\n";
    }
    return out;
}

bool SaveSetting() {
    const QByteArray text = settingsFileText(settings(), readLibraryCounters());
    return saveWholeFile(settingsFilePath(), text) == 0;
}
