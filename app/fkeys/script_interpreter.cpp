#include "fkeys/script_interpreter.h"

#include "fkeys/sjis_text.h"
#include "text/cp932.h"

#include <QByteArray>

namespace {

enum class ScriptState {
    StPlain,
    StEscape,
    StHex2,
    StWait1,
    StWait2,
    StRepeatCount,
    StSendOpt,
    StSendBracket,
    StSendName,
    StSendEnd,
    StRecvOpt,
    StRecvParen,
    StRecvName,
    StRecvEnd,
    StRts,
    StDtr,
};

bool isDigit(uint16_t c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(uint16_t c) {
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
int hexValue(uint16_t c) {
    if (isDigit(c)) return c - '0';
    return (c >= 'a' ? c - 'a' : c - 'A') + 10;
}

QByteArrayView viewOf(const ScriptUnit& u) {
    return {reinterpret_cast<const char*>(u.bytes.data()), qsizetype(u.size)};
}

class ScriptRun {
  public:
    ScriptRun(std::span<const ScriptUnit> units, const ScriptDialect& dialect,
              ScriptActions& actions)
        : units_(units), d_(dialect), a_(actions) {}

    void run() {
        int statusCounter = 0;
        for (pos_ = 0; pos_ < units_.size(); ++pos_) {
            if (d_.pumpBeforeEveryUnit) a_.pumpEvents();
            if (d_.statusRefreshEvery > 0) {
                if (statusCounter >= d_.statusRefreshEvery) {
                    a_.refreshModemStatus();
                    a_.pumpEvents();
                    statusCounter = 0;
                }
                ++statusCounter;
            }
            if (a_.stopRequested()) break;
            if (!d_.pumpBeforeEveryUnit && (pos_ + 1) % 10 == 0) a_.pumpEvents();
            const ScriptUnit& u = units_[pos_];
            if (d_.skipControlCodes && u.code < 0x20) continue;
            if (!act(u)) break;
        }
        if (d_.scriptOnlyEscapes) a_.showRepeatIndicator(false);
    }

  private:
    // Each handler returns false when the run ends. An unexpected unit is
    // consumed and drops the escape: state_ is already StPlain then.
    bool act(const ScriptUnit& u) {
        const ScriptState state = state_;
        state_ = ScriptState::StPlain;
        const uint16_t c = u.code;
        switch (state) {
        case ScriptState::StPlain:
            return plain(u);
        case ScriptState::StEscape:
            return escape(c);
        case ScriptState::StHex2:
            if (!isHexDigit(c)) return true;
            if (!sendByte(uint8_t(hexValue(firstDigit_) * 16 + hexValue(c)))) return false;
            a_.refreshModemStatus();
            return true;
        case ScriptState::StWait1:
            if (isDigit(c)) {
                firstDigit_ = c;
                state_ = ScriptState::StWait2;
            }
            return true;
        case ScriptState::StWait2:
            if (isDigit(c)) wait(((firstDigit_ - '0') * 10 + (c - '0')) * waitUnit_);
            return true;
        case ScriptState::StRepeatCount:
            if (c == '}') {
                openRepeat();
                return true;
            }
            if (isDigit(c)) repeatDigits_ += char(c);
            state_ = ScriptState::StRepeatCount;
            return true;
        case ScriptState::StSendOpt:
            if (takeFileOption(c)) {
                sendMode_ = SendFileMode(option_);
                state_ = ScriptState::StSendBracket;
            }
            return true;
        case ScriptState::StSendBracket:
            if (c == ']') state_ = ScriptState::StSendName;
            return true;
        case ScriptState::StSendName:
            return nameUnit(u, ScriptState::StSendEnd);
        case ScriptState::StSendEnd:
            if (c == ']' && a_.sendFile(nameText(), sendMode_)) passBusy_ = true;
            return true;
        case ScriptState::StRecvOpt:
            name_.clear();
            if (takeFileOption(c)) {
                receiveMode_ = ReceiveFileMode(option_);
                state_ = ScriptState::StRecvParen;
            }
            return true;
        case ScriptState::StRecvParen:
            if (c == ')') state_ = ScriptState::StRecvName;
            return true;
        case ScriptState::StRecvName:
            return nameUnit(u, ScriptState::StRecvEnd);
        case ScriptState::StRecvEnd:
            if (c == ')' && a_.receiveFile(nameText(), receiveMode_)) passBusy_ = true;
            return true;
        case ScriptState::StRts:
            return switchLine(c, TOVALINE_LINE_RTS_OFF, TOVALINE_LINE_RTS_ON);
        case ScriptState::StDtr:
            return switchLine(c, TOVALINE_LINE_DTR_OFF, TOVALINE_LINE_DTR_ON);
        }
        return true;
    }

    bool plain(const ScriptUnit& u) {
        if (u.code == '^' && !leadPending_) {
            state_ = ScriptState::StEscape;
            return true;
        }
        const bool sent = d_.plainAsText ? sendText(viewOf(u)) : sendByte(u.bytes[0]);
        if (!sent) return false;
        if (d_.leadByteRule) leadPending_ = !leadPending_ && cp932::isLeadByte(u.bytes[0]);
        return true;
    }

    bool escape(uint16_t c) {
        const bool script = d_.scriptOnlyEscapes;
        switch (c) {
        case '%':
            state_ = ScriptState::StRts;
            return true;
        case '#':
            state_ = ScriptState::StDtr;
            return true;
        case '(':
            if (script) state_ = ScriptState::StRecvOpt;
            return true;
        case '{':
            if (script && !repeatActive_) {
                repeatDigits_.clear();
                state_ = ScriptState::StRepeatCount;
            }
            return true;
        case '}':
            if (script) closeRepeat();
            return true;
        case 'M':
        case 'm':
            if (!script) return true;
            passBusy_ = true;
            return a_.confirmMouseClick();
        case 'T':
        case 't':
            waitUnit_ = c == 'T' ? 1000 : 100;
            state_ = ScriptState::StWait1;
            return true;
        case '[':
            name_.clear();
            state_ = ScriptState::StSendOpt;
            return true;
        case 'G':
        case 'g':
            passBusy_ = true;
            a_.breakPulse(d_.stoppableBreak);
            return true;
        case '^':
            return sendText("^");
        default:
            if (isHexDigit(c)) {
                firstDigit_ = c;
                state_ = ScriptState::StHex2;
            }
            return true;
        }
    }

    bool takeFileOption(uint16_t c) {
        switch (c) {
        case '?':
            option_ = 0;
            return true;
        case '*':
            option_ = 1;
            return true;
        case 'Z':
        case 'z':
            option_ = 2;
            return true;
        default:
            return false;
        }
    }

    // A name that outgrows the limit was never meant as one: its bytes go out
    // as data and the rest of it follows as plain text.
    bool nameUnit(const ScriptUnit& u, ScriptState endState) {
        if (u.code == '^') {
            state_ = endState;
            return true;
        }
        name_.append(viewOf(u));
        state_ =
            endState == ScriptState::StSendEnd ? ScriptState::StSendName : ScriptState::StRecvName;
        if (d_.nameLimit == 0 || name_.size() <= d_.nameLimit) return true;
        state_ = ScriptState::StPlain;
        if (endState == ScriptState::StSendEnd) return sendText(name_);
        for (char b : std::as_const(name_))
            if (!sendByte(uint8_t(b))) return false;
        return true;
    }

    QString nameText() const {
        QString text;
        BuildSjisText(text, std::span(reinterpret_cast<const uint8_t*>(name_.constData()),
                                      size_t(name_.size())));
        return text;
    }

    bool switchLine(uint16_t c, int16_t offCode, int16_t onCode) {
        if (c == '0') a_.setLine(offCode);
        if (c == '1') a_.setLine(onCode);
        a_.refreshModemStatus();
        a_.repaintLineButtons();
        return true;
    }

    // What a pass of a repeat block does that takes the line's or the
    // clock's time; a pass without any comes round again at once.
    bool sendByte(uint8_t b) {
        passBusy_ = true;
        return a_.sendByte(b);
    }
    bool sendText(QByteArrayView cp932) {
        passBusy_ = true;
        return a_.sendText(cp932);
    }
    void wait(int32_t ms) {
        if (ms > 0) passBusy_ = true;
        a_.wait(ms);
    }

    void openRepeat() {
        repeatActive_ = true;
        repeatStart_ = pos_;
        passBusy_ = false;
        if (repeatDigits_.isEmpty()) {
            repeatCount_ = -1;
        } else if (repeatDigits_.size() > 9) {
            repeatActive_ = false;
        } else {
            repeatCount_ = repeatDigits_.toInt();
        }
    }

    void closeRepeat() {
        a_.showRepeatIndicator(true);
        if (!repeatActive_) return;
        if (repeatCount_ == -1) {
            nextPass();
        } else if (repeatCount_ > 1) {
            --repeatCount_;
            nextPass();
        } else {
            a_.showRepeatIndicator(false);
            repeatActive_ = false;
        }
    }

    // A block that only holds dropped escapes or control bytes would pump
    // events as fast as the core allows: after a pass that neither sent nor
    // waited, the next one starts with a short sleep on the event queue, so
    // it still ends at once on a stop or a closing window.
    void nextPass() {
        if (!passBusy_) a_.pumpEventsWaiting();
        passBusy_ = false;
        pos_ = repeatStart_;
    }

    std::span<const ScriptUnit> units_;
    const ScriptDialect& d_;
    ScriptActions& a_;

    size_t pos_ = 0;
    ScriptState state_ = ScriptState::StPlain;
    bool leadPending_ = false;
    uint16_t firstDigit_ = 0;
    int32_t waitUnit_ = 0;
    int option_ = 0;
    SendFileMode sendMode_ = SendPlain;
    ReceiveFileMode receiveMode_ = ReceiveRaw;
    QByteArray name_;
    QByteArray repeatDigits_;
    bool repeatActive_ = false;
    int32_t repeatCount_ = 0;
    size_t repeatStart_ = 0;
    bool passBusy_ = false; // the repeat's current pass sent or waited
};

} // namespace

std::vector<ScriptUnit> scriptUnitsOfBytes(std::span<const uint8_t> script) {
    std::vector<ScriptUnit> units;
    units.reserve(script.size());
    for (uint8_t b : script)
        units.push_back({b, 1, {b, 0}});
    return units;
}

std::vector<ScriptUnit> scriptUnitsOfText(QStringView line) {
    std::vector<ScriptUnit> units;
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype width = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QStringView ch = line.mid(i, width);
        const QByteArray bytes = cp932::fromUnicode(ch);
        ScriptUnit u;
        // Escapes are ASCII; any other character only ever counts as data.
        u.code = ch[0].unicode() < 0x80 ? ch[0].unicode() : 0xFFFF;
        u.size = uint8_t(qMin<qsizetype>(bytes.size(), 2));
        for (int k = 0; k < u.size; ++k)
            u.bytes[k] = uint8_t(bytes[k]);
        units.push_back(u);
        i += width;
    }
    return units;
}

void runScript(std::span<const ScriptUnit> units, const ScriptDialect& dialect,
               ScriptActions& actions) {
    ScriptRun(units, dialect, actions).run();
}
