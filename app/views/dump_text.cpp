// The bytes' meanings shared by the five layouts and the start state of a
// page; the layouts themselves are in dump_layouts.cpp.
#include "views/dump_text.h"

#include "views/dump_text_bytes.h"

#include "core/tables.h"
#include "text/cp932.h"

#include <array>

namespace dump_bytes {

bool isCharacterByte(uint8_t b) {
    return (b >= 0x21 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF);
}

QString singleCharacter(uint8_t b) {
    if (b >= 0xA1 && b <= 0xDF) return QString(QChar(char16_t(0xFF61 + (b - 0xA1))));
    return QString(QChar(char16_t(b)));
}

QString controlName(uint8_t b) {
    return CtrlCodeName[b];
}

SjisStep SjisPairing::feed(uint8_t b) {
    if (state.waiting) {
        state.waiting = false;
        if (b >= 0x40) {
            character_ = cp932::pairCharacter(state.lead, b);
            return SjisStep::Pair;
        }
        return SjisStep::AfterLead;
    }
    if (cp932::isLeadByte(b)) {
        state = {true, b};
        return SjisStep::Lead;
    }
    return SjisStep::Single;
}

} // namespace dump_bytes

QString dumpHexDigits(uint8_t b) {
    // Made once: a page asks for up to 384 of them.
    static const std::array<QString, 256> digits = [] {
        std::array<QString, 256> table;
        const char16_t hex[] = u"0123456789AbCdEF";
        for (std::size_t v = 0; v < table.size(); ++v) {
            const char16_t pair[2] = {hex[v >> 4], hex[v & 0xF]};
            table[v] = QString::fromUtf16(pair, 2);
        }
        return table;
    }();
    return digits[b];
}

std::optional<SjisCarry> pageStartState(std::span<const uint8_t> before,
                                        const std::function<bool()>& keepGoing) {
    constexpr int PumpEvery = 101;
    std::size_t run = 0;
    int sincePump = 0;
    for (auto at = before.rbegin(); at != before.rend(); ++at) {
        if (!cp932::isLeadByte(*at)) {
            if (run % 2 == 1) return SjisCarry{true, before.back()};
            return SjisCarry{};
        }
        ++run;
        if (++sincePump == PumpEvery) {
            sincePump = 0;
            if (keepGoing && !keepGoing()) return std::nullopt;
        }
    }
    return SjisCarry{};
}
