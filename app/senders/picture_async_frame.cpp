// The asynchronous (start-stop) character frame: the idle line at mark, the
// start bit at space, the data bits from D0, the optional parity bit and
// one or two stop bits at mark, with the line levels of each state.
#include "senders/picture_artwork.h"
#include "senders/picture_sketch.h"

#include <array>

namespace {

constexpr int BorderInset = 5;
constexpr int MarkY = 120, SpaceY = 170; // the two line levels
constexpr int Cell = 38;                 // one bit time
constexpr int StartX = 132;              // the start bit's leading edge
constexpr int IdleX = 100;               // where the idle line is drawn from

int cellX(int n) {
    return StartX + n * Cell;
} // n = 0 start, 1..8 D0..D7, 9 parity, 10, 11 stop

// The level drawn in a bit cell: true for mark (1).
void level(Sketch& s, int x1, int x2, bool mark) {
    s.line(x1, mark ? MarkY : SpaceY, x2, mark ? MarkY : SpaceY);
}

void bracket(Sketch& s, int x1, int x2, int y, const QString& label) {
    s.ink(Qt::black, 1);
    s.line(x1, y, x1, y + 6);
    s.line(x2, y, x2, y + 6);
    s.line(x1, y + 6, x2, y + 6);
    s.textCentred((x1 + x2) / 2, y + 10, label);
}

} // namespace

QImage drawAsyncFrame() {
    Sketch s(640, 400);
    s.pageBorder(BorderInset);
    s.font(15, true, true);
    s.textCentred(318, 18, QStringLiteral("ASYNC（調歩同期式）フォーマット"));

    s.font(9);
    s.text(20, MarkY - 8, QStringLiteral("マーク (1)"));
    s.text(20, SpaceY - 8, QStringLiteral("スペース (0)"));

    // The byte 41h, sent from D0 upwards, with even parity (0).
    constexpr std::array<bool, 8> data{true, false, false, false, false, false, true, false};
    std::array<bool, 12> cells{};
    for (int i = 0; i < 8; ++i)
        cells[static_cast<std::size_t>(i + 1)] = data[static_cast<std::size_t>(i)];
    cells[10] = true; // the stop bits; start and parity stay at space
    cells[11] = true;

    // Bit-cell boundaries, faint, then the line itself.
    s.ink(Qt::black, 1);
    s.dashed(true);
    for (int n = 0; n <= 12; ++n)
        s.line(cellX(n), MarkY - 10, cellX(n), SpaceY + 4);
    s.dashed(false);
    s.ink(Qt::black, 3);
    level(s, IdleX, cellX(0), true);
    bool previous = true;
    for (int n = 0; n < 12; ++n) {
        const bool mark = cells[static_cast<std::size_t>(n)];
        if (mark != previous) s.line(cellX(n), MarkY, cellX(n), SpaceY);
        level(s, cellX(n), cellX(n + 1), mark);
        previous = mark;
    }
    const int idleEnd = cellX(12) + cellX(0) - IdleX;
    level(s, cellX(12), idleEnd, true);

    s.font(9);
    s.textCentred((IdleX + cellX(0)) / 2, MarkY - 24, QStringLiteral("アイドル"));
    s.textCentred((cellX(12) + idleEnd) / 2, MarkY - 24, QStringLiteral("アイドル"));
    s.font(9, false);
    s.textCentred(cellX(0) + Cell / 2, SpaceY + 8, QStringLiteral("ST"));
    for (int i = 0; i < 8; ++i)
        s.textCentred(cellX(i + 1) + Cell / 2, SpaceY + 8, QStringLiteral("D%1").arg(i));
    s.textCentred(cellX(9) + Cell / 2, SpaceY + 8, QStringLiteral("P"));
    s.textCentred(cellX(10) + Cell / 2, SpaceY + 8, QStringLiteral("SP"));
    s.textCentred(cellX(11) + Cell / 2, SpaceY + 8, QStringLiteral("SP"));

    s.font(9);
    bracket(s, cellX(0) + 2, cellX(1) - 2, 196, QStringLiteral("スタート"));
    bracket(s, cellX(1) + 2, cellX(9) - 2, 196,
            QStringLiteral("データ・ビット D0～D7（7 または 8 ビット）"));
    bracket(s, cellX(9) + 2, cellX(10) - 2, 196, QStringLiteral("パリティ"));
    bracket(s, cellX(10) + 2, cellX(12) - 2, 196, QStringLiteral("ストップ"));
    s.textRight(cellX(10) - 2, 224, QStringLiteral("（無しも可）"));
    s.text(cellX(10) + 4, 224, QStringLiteral("（1 または 2）"));

    s.font(10);
    s.text(28, 266, QStringLiteral("● マーク ＝ 論理 1（OFF）：RS-232-C レベル  -3V ～ -15V"));
    s.text(28, 288, QStringLiteral("● スペース ＝ 論理 0（ON）：RS-232-C レベル  +3V ～ +15V"));
    s.text(
        28, 310,
        QStringLiteral(
            "● 送らないときの線はマーク。スタート・ビットはスペース、ストップ・ビットはマーク。"));
    s.text(28, 332,
           QStringLiteral(
               "● データは D0（最下位ビット）から順に送られます。例は 41h（'A'）、偶数パリティ。"));
    return s.finished();
}
