// The two wiring pictures: the loop-back test plug beside the computer's
// port, and the cross cable between two computers. Both draw a 9-pin D-sub
// connector as a housing with its pins in a column, contacts on the side
// that mates and the solder side where the wires join.
#include "senders/picture_artwork.h"
#include "senders/picture_sketch.h"

#include <algorithm>
#include <array>

namespace {

// Pins 1..9 of the 9-pin port.
constexpr std::array<const char*, 9> PinNames{"CD",  "RXD", "TXD", "DTR", "GND",
                                              "DSR", "RTS", "CTS", "RI"};

const QColor HousingFill(0xDD, 0xE6, 0xF0);
const QColor HousingEdge(0x40, 0x40, 0x50);
const QColor SocketFill(0xFF, 0xFF, 0xFF);
const QColor PinMetal(0xB0, 0x80, 0x20);
const QColor Red(0xE0, 0x00, 0x00);
const QColor Magenta(0xC0, 0x00, 0xC0);
const QColor Blue(0x00, 0x50, 0xE0);
const QColor Teal(0x00, 0x80, 0x80);
const QColor Green(0x00, 0x90, 0x00);
const QColor Orange(0xE0, 0x80, 0x00);

// Pin `from` joined to pin `to` (of the same or the other connector).
struct Join {
    int from, to;
    QColor colour;
};

enum class Facing { Left, Right }; // where the contacts are, toward the mating side

struct Connector {
    int x, y, width, pitch;
    Facing facing;
    bool female;

    int height() const { return 9 * pitch + 8; }
    int pinY(int pin) const { return y + 4 + pitch / 2 + (pin - 1) * pitch; }
    int contactX() const { return facing == Facing::Right ? x + width : x; }
    int solderX() const { return facing == Facing::Right ? x + 26 : x + width - 26; }
    int edgeX() const { return facing == Facing::Right ? x : x + width; } // where wires leave
};

void drawConnector(Sketch& s, const Connector& c, const QString& heading, const QString& kind) {
    s.font(10, true, true);
    s.ink(Qt::black);
    s.textCentred(c.x + c.width / 2, c.y - 36, heading);
    s.font(9);
    s.textCentred(c.x + c.width / 2, c.y - 19, kind);

    s.painter().setBrush(HousingFill);
    s.ink(HousingEdge, 2);
    s.painter().setBrush(HousingFill);
    s.painter().drawRoundedRect(c.x, c.y, c.width, c.height(), 10, 10);
    s.painter().setBrush(Qt::NoBrush);

    for (int pin = 1; pin <= 9; ++pin) {
        const int y = c.pinY(pin);
        const bool right = c.facing == Facing::Right;
        // The contact: an open socket or a solid pin at the mating edge.
        if (c.female) {
            s.ink(HousingEdge, 1);
            s.painter().setBrush(SocketFill);
            s.painter().drawEllipse(QPoint(c.contactX(), y), 6, 6);
            s.painter().setBrush(Qt::NoBrush);
        } else {
            s.ink(PinMetal, 1);
            const int tip = right ? c.contactX() + 10 : c.contactX() - 10;
            s.fill(std::min(tip, c.contactX()), y - 2, 10, 5, PinMetal);
        }
        // The pin number in a small box beside the contact.
        const int numberX = right ? c.contactX() - 22 : c.contactX() + 22;
        s.ink(Qt::black, 1);
        s.fill(numberX - 8, y - 8, 17, 16, Qt::white);
        s.box(numberX - 8, y - 8, 17, 16);
        s.font(9, false, true);
        s.textCentred(numberX + 1, y - 7, QString::number(pin));
        s.font(9, false);
        const QString name = QString::fromLatin1(PinNames[static_cast<std::size_t>(pin - 1)]);
        if (right) {
            s.textRight(numberX - 14, y - 7, name);
        } else {
            s.text(numberX + 14, y - 7, name);
        }
    }
}

void solderDot(Sketch& s, const QColor& colour, int x, int y) {
    s.ink(colour, 1);
    s.circle(x, y, 3, true);
}

// A wire between two solder points, leaving each level and bending at two
// columns, with a dot where it is soldered.
void wire(Sketch& s, const QColor& colour, int x1, int y1, int bend1, int bend2, int x2, int y2) {
    s.ink(colour, 2);
    s.line(x1, y1, bend1, y1);
    s.line(bend1, y1, bend2, y2);
    s.line(bend2, y2, x2, y2);
    solderDot(s, colour, x1, y1);
    solderDot(s, colour, x2, y2);
}

} // namespace

QImage drawLoopBackPlug() {
    Sketch s(491, 360);
    s.font(13, true, true);
    s.textCentred(242, 6, QStringLiteral("自己ループ・コネクタ（テスト・プラグ）"));

    const Connector plug{46, 82, 132, 26, Facing::Right, true};
    drawConnector(s, plug, QStringLiteral("テスト・プラグ"), QStringLiteral("D-sub 9ピン（メス）"));

    // The three loops on the plug's solder side: each output comes back on
    // its partner input.
    const Join loops[] = {{2, 3, Red}, {4, 6, Blue}, {7, 8, Green}};
    const int lane = plug.x + 11;
    for (const Join& loop : loops) {
        wire(s, loop.colour, plug.solderX(), plug.pinY(loop.from), lane, lane, plug.solderX(),
             plug.pinY(loop.to));
    }

    // "Connect": from the plug to the computer's port.
    s.ink(Red, 6);
    s.arrow(196, 196, 286, 196, 10);
    s.font(11, true, true);
    s.ink(Qt::black);
    s.textCentred(240, 170, QStringLiteral("接続"));

    const Connector port{304, 82, 170, 26, Facing::Left, false};
    drawConnector(s, port, QStringLiteral("PC/AT互換機の COMポート"),
                  QStringLiteral("D-sub 9ピン（オス）"));
    // Each signal's direction as the computer sees it.
    constexpr std::array<int, 9> direction{-1, -1, 1, 1, 0, -1, 1, -1, -1}; // 1 out, -1 in
    for (int pin = 1; pin <= 9; ++pin) {
        const int y = port.pinY(pin);
        const int d = direction[static_cast<std::size_t>(pin - 1)];
        const int a = port.x + 92, b = port.x + 122;
        s.ink(d > 0 ? Red : d < 0 ? Blue : Qt::black, 2);
        if (d > 0) s.arrow(b, y, a, y, 6);
        if (d < 0) s.arrow(a, y, b, y, 6);
        if (d == 0) s.line(a, y, b, y);
        s.font(9);
        s.ink(Qt::black);
        s.text(port.x + 128, y - 7,
               d > 0   ? QStringLiteral("出力")
               : d < 0 ? QStringLiteral("入力")
                       : QStringLiteral("グランド"));
    }

    s.font(9);
    s.ink(Qt::black);
    s.text(20, 326, QStringLiteral("※ テスト・プラグの 1 (CD)・5 (GND)・9 (RI) は未接続です。"));
    s.text(20, 342, QStringLiteral("※ 入力・出力はパソコンから見た信号の向きです。"));
    return s.finished();
}

QImage drawCrossCable() {
    Sketch s(544, 369);
    s.font(13, true, true);
    s.textCentred(272, 6, QStringLiteral("クロス・ケーブル（インターリンク・ケーブル）"));

    const Connector left{24, 80, 128, 28, Facing::Left, true};
    const Connector right{392, 80, 128, 28, Facing::Right, true};
    drawConnector(s, left, QStringLiteral("PC/AT へ"), QStringLiteral("D-sub 9ピン（メス）"));
    drawConnector(s, right, QStringLiteral("PC/AT へ"), QStringLiteral("D-sub 9ピン（メス）"));

    // Each side's output meets the other side's input; ground runs straight.
    const Join wires[] = {{2, 3, Red},   {3, 2, Magenta}, {4, 6, Blue},     {6, 4, Teal},
                          {7, 8, Green}, {8, 7, Orange},  {5, 5, Qt::black}};
    const int bendLeft = left.edgeX() + 20, bendRight = right.edgeX() - 20;
    for (const Join& w : wires) {
        wire(s, w.colour, left.solderX(), left.pinY(w.from), bendLeft, bendRight, right.solderX(),
             right.pinY(w.to));
    }
    s.font(10, true, true);
    s.ink(Qt::black);
    s.textCentred(272, 64, QStringLiteral("ケーブル"));

    s.font(9);
    s.text(24, 348,
           QStringLiteral("※ 1 (CD)・9 (RI) は未接続、5 (GND) はストレートに接続します。"));
    return s.finished();
}
