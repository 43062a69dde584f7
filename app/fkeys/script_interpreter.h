// The send-script language: "^" escapes that send hex bytes, wait, pulse a
// break, ask for a mouse click, switch RTS and DTR, repeat a block, send a
// file and receive into one. One state machine serves the function keys and
// the main window's key line; a dialect holds where the two differ.
#pragma once

#include "fkeys/script_actions.h"

#include <QStringView>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

struct ScriptDialect {
    bool pumpBeforeEveryUnit; // else before units 10, 20, 30, ... (after the stop test)
    int statusRefreshEvery;   // modem-status refresh every n units; 0 never
    bool skipControlCodes;    // units below 20h are skipped in every state
    bool leadByteRule;        // a "^" after a cp932 lead byte is data
    bool plainAsText;         // plain data leaves per unit as text, not per byte
    bool scriptOnlyEscapes;   // receive, repeat and mouse-click wait are recognised
    int nameLimit;            // bytes of a file name before it is sent as data; 0 none
    bool stoppableBreak;
};

// Function keys and the key-send window's translated line.
inline constexpr ScriptDialect FunctionKeyDialect{true, 21, true, true, false, true, 64, false};
// The main window's key line.
inline constexpr ScriptDialect KeyLineDialect{false, 0, false, false, true, false, 0, true};

// One unit of input: a byte of a script, or a character of a key line with
// its cp932 bytes. The escapes are matched on `code`.
struct ScriptUnit {
    uint16_t code = 0;
    uint8_t size = 0;
    std::array<uint8_t, 2> bytes{};
};

std::vector<ScriptUnit> scriptUnitsOfBytes(std::span<const uint8_t> script);
std::vector<ScriptUnit> scriptUnitsOfText(QStringView line);

void runScript(std::span<const ScriptUnit> units, const ScriptDialect& dialect,
               ScriptActions& actions);
