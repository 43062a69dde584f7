#include "senders/ctrl_code_tables.h"

#include "ui/vb_color.h"

#include <array>

namespace {

using namespace vbcolors;
constexpr int32_t Face = vbcolor::kButtonFace;
constexpr int32_t Magenta = 0xFF00FF;

// The names shown for 00h-1Fh on the first panel.
constexpr const char16_t* EntControlNames[32] = {
    u"NUL", u"SOH",     u"STX", u"ETX",      u"EOT",     u"ENQ",     u"ACK",     u"BEL",
    u"BS",  u"HT",      u"LF",  u"HM/VT",    u"CL/FF",   u"CR",      u"SO",      u"SI",
    u"DLE", u"DC1/XON", u"DC2", u"DC3/XOFF", u"DC4",     u"NAK",     u"SYN",     u"ETB",
    u"CAN", u"EM",      u"SUB", u"ESC",      u"IS4(FS)", u"IS3(GS)", u"IS2(RS)", u"IS1(US)",
};

// A printable code shows itself, except the two the panel was drawn with
// other captions: 60h shows ",", 7Eh shows "-".
QString entCaption(int code) {
    if (code < 0x20) return QString::fromUtf16(EntControlNames[code]);
    switch (code) {
    case 0x20:
        return QStringLiteral("SP");
    case 0x60:
        return QStringLiteral(",");
    case 0x7E:
        return QStringLiteral("-");
    case 0x7F:
        return QStringLiteral("DEL");
    case 0xFF:
        return QStringLiteral("DEL/FFh");
    default:
        return QString(QChar(code));
    }
}

} // namespace

std::span<const CtrlCodeEntry> entCodeTable() {
    static const std::array<CtrlCodeEntry, 129> table = [] {
        std::array<CtrlCodeEntry, 129> t;
        for (int code = 0; code < 128; ++code)
            t[size_t(code)] = {code, entCaption(code), Face};
        t[128] = {0xFF, entCaption(0xFF), Face};
        return t;
    }();
    return table;
}

std::span<const CtrlCodeEntry> ctrlCodeTable() {
    // Captions as the panel shows them in a fixed-pitch font, blanks and all
    // (the CTRl of 04h included).
    static const std::array<CtrlCodeEntry, 34> table{{
        {0x00, QStringLiteral("00 CTRL-@    NULL  "), Face},
        {0x01, QStringLiteral("01 CTRL-A    SOH   "), Magenta},
        {0x02, QStringLiteral("02 CTRL-B    STX   "), Magenta},
        {0x03, QStringLiteral("03 CTRL-C    ETX   "), Magenta},
        {0x04, QStringLiteral("04 CTRl-D    EOT   "), Magenta},
        {0x05, QStringLiteral("05 CTRL-E    ENQ   "), Magenta},
        {0x06, QStringLiteral("06 CTRL-F    ACK   "), Magenta},
        {0x07, QStringLiteral("07 CTRL-G  ﾍﾞﾙ Bell"), Yellow},
        {0x08, QStringLiteral("08 CTRL-H BackSpace"), Yellow},
        {0x09, QStringLiteral("09 CTRL-I    HT    "), Yellow},
        {0x0A, QStringLiteral("0A CTRL-J    LF    "), Yellow},
        {0x0B, QStringLiteral("0B CTRL-K    VT    "), Yellow},
        {0x0C, QStringLiteral("0C CTRL-L  Formfeed"), Yellow},
        {0x0D, QStringLiteral("0D CTRL-M    CR    "), Yellow},
        {0x0E, QStringLiteral("0E CTRL-N    SO    "), Face},
        {0x0F, QStringLiteral("0F CTRL-O    SI    "), Face},
        {0x10, QStringLiteral("10 CTRL-P  DLE     "), Magenta},
        {0x11, QStringLiteral("11 CTRL-Q  DC1/XON "), Cyan},
        {0x12, QStringLiteral("12 CTRL-R  DC2     "), Face},
        {0x13, QStringLiteral("13 CTRL-S  DC3/XOFF"), Red},
        {0x14, QStringLiteral("14 CTRL-T  DC4     "), Face},
        {0x15, QStringLiteral("15 CTRL-U  NAK     "), Magenta},
        {0x16, QStringLiteral("16 CTRL-V  SYN     "), Magenta},
        {0x17, QStringLiteral("17 CTRL-W  ETB     "), Magenta},
        {0x18, QStringLiteral("18 CTRL-X  Cancel  "), Face},
        {0x19, QStringLiteral("19 CTRL-Y  EM      "), Face},
        {0x1A, QStringLiteral("1A CTRL-Z  SUB     "), Yellow},
        {0x1B, QStringLiteral("1B CTRL-[  Escape  "), Yellow},
        {0x1C, QStringLiteral("1C CTRL-\\  IS4(FS) "), Face},
        {0x1D, QStringLiteral("1D CTRL-]  IS3(GS) "), Face},
        {0x1E, QStringLiteral("1E CTRL-^  IS2(RS) "), Face},
        {0x1F, QStringLiteral("1F CTRL-_  IS1(US) "), Face},
        {0x7F, QStringLiteral("7F  DELETE"), Green},
        {0xFF, QStringLiteral("FF  DELETE"), Green},
    }};
    return table;
}
