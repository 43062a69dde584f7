// The receive adapter: a one-transistor circuit inside a 9-pin D-sub housing
// that turns a 0-5 V logic-level serial signal into the port's RXD, powered
// from DTR.
#include "senders/picture_artwork.h"
#include "senders/picture_sketch.h"

namespace {

const QColor Wire(0x00, 0x00, 0x00);
const QColor Part(0x00, 0x40, 0xC0);
const QColor Label(0x80, 0x00, 0x00);
const QColor HousingEdge(0x70, 0x70, 0x70);
const QColor Terminal(0xE0, 0x00, 0x00);

// A resistor as a box along the wire, horizontal or vertical, between two points.
void resistor(Sketch& s, int x1, int y1, int x2, int y2) {
    s.ink(Wire, 1);
    if (y1 == y2) {
        const int mid = (x1 + x2) / 2;
        s.line(x1, y1, mid - 12, y1);
        s.line(mid + 12, y1, x2, y1);
        s.ink(Part, 2);
        s.box(mid - 12, y1 - 5, 24, 10);
    } else {
        const int mid = (y1 + y2) / 2;
        s.line(x1, y1, x1, mid - 12);
        s.line(x1, mid + 12, x1, y2);
        s.ink(Part, 2);
        s.box(x1 - 5, mid - 12, 10, 24);
    }
}

// A diode whose current flows from (x1, y1) to (x2, y2) (horizontal or vertical).
void diode(Sketch& s, int x1, int y1, int x2, int y2) {
    s.ink(Wire, 1);
    QPolygon body;
    if (y1 == y2) {
        const int mid = (x1 + x2) / 2;
        const int dir = x2 > x1 ? 1 : -1;
        s.line(x1, y1, mid - 7 * dir, y1);
        s.line(mid + 7 * dir, y1, x2, y1);
        body << QPoint(mid - 7 * dir, y1 - 7) << QPoint(mid - 7 * dir, y1 + 7)
             << QPoint(mid + 6 * dir, y1);
        s.ink(Part, 2);
        s.line(mid + 7 * dir, y1 - 7, mid + 7 * dir, y1 + 7);
    } else {
        const int mid = (y1 + y2) / 2;
        const int dir = y2 > y1 ? 1 : -1;
        s.line(x1, y1, x1, mid - 7 * dir);
        s.line(x1, mid + 7 * dir, x1, y2);
        body << QPoint(x1 - 7, mid - 7 * dir) << QPoint(x1 + 7, mid - 7 * dir)
             << QPoint(x1, mid + 6 * dir);
        s.ink(Part, 2);
        s.line(x1 - 7, mid + 7 * dir, x1 + 7, mid + 7 * dir);
    }
    s.painter().setBrush(Part);
    s.painter().drawPolygon(body);
    s.painter().setBrush(Qt::NoBrush);
}

void junction(Sketch& s, int x, int y) {
    s.ink(Wire, 1);
    s.circle(x, y, 2, true);
}

void terminal(Sketch& s, int x, int y) {
    s.ink(Terminal, 2);
    s.painter().setBrush(Qt::white);
    s.painter().drawEllipse(QPoint(x, y), 5, 5);
    s.painter().setBrush(Qt::NoBrush);
}

void partLabel(Sketch& s, int x, int y, const QString& name, const QString& value) {
    s.ink(Label);
    s.font(8, true, true);
    s.text(x, y, name);
    s.font(8);
    s.text(x, y + 12, value);
}

} // namespace

QImage drawReceiveAdapter() {
    Sketch s(448, 305);
    s.font(12, true, true);
    s.textCentred(224, 4, QStringLiteral("受信アダプター（ロジック → RS-232C）"));

    // The connector housing that holds the circuit.
    s.ink(HousingEdge, 1);
    s.dashed(true);
    s.box(96, 34, 268, 182);
    s.dashed(false);
    s.font(8);
    s.ink(HousingEdge);
    s.text(100, 36, QStringLiteral("D-sub 9ピン（メス）ハウジング内"));

    const int rail = 196; // ground
    const int dtrY = 66;  // DTR supply
    const int outY = 118; // collector, RXD
    const int baseY = 152;
    const int node = 140; // input divider node
    const int r2x = 184;
    const int barX = 236; // Q1's base bar
    const int qx = 262;   // collector and emitter column
    const int pinX = 384; // the port's pins, outside the housing

    // Supply from DTR through D1 and R3 to the collector.
    s.ink(Wire, 1);
    s.line(pinX - 5, dtrY, 350, dtrY);
    diode(s, 350, dtrY, 304, dtrY);
    s.line(304, dtrY, qx, dtrY);
    resistor(s, qx, dtrY, qx, outY);
    s.line(qx, outY, pinX - 5, outY);
    junction(s, qx, outY);
    partLabel(s, 312, dtrY - 28, QStringLiteral("D1"), QStringLiteral("1S1588"));
    partLabel(s, qx + 10, dtrY + 14, QStringLiteral("R3"), QStringLiteral("5kΩ"));

    // Q1: base from the left, collector up, emitter down to ground.
    s.ink(Part, 3);
    s.line(barX, baseY - 14, barX, baseY + 14);
    s.ink(Part, 2);
    s.line(barX, baseY - 6, qx, baseY - 22);
    s.arrow(barX, baseY + 6, qx - 2, baseY + 21, 7);
    s.ink(Wire, 1);
    s.line(qx, baseY - 22, qx, outY);
    s.line(qx, baseY + 22, qx, rail);
    s.painter().setPen(QPen(Part, 1));
    s.painter().drawEllipse(QPoint(barX + 12, baseY), 22, 22);
    partLabel(s, qx + 14, baseY - 10, QStringLiteral("Q1"), QStringLiteral("2SC1815"));

    // Input: R1 in series, D2 and R2 to ground at the base.
    terminal(s, 60, baseY);
    resistor(s, 65, baseY, node, baseY);
    s.ink(Wire, 1);
    s.line(node, baseY, barX, baseY);
    junction(s, node, baseY);
    junction(s, r2x, baseY);
    diode(s, node, rail, node, baseY);
    resistor(s, r2x, baseY, r2x, rail);
    partLabel(s, 90, baseY - 32, QStringLiteral("R1"), QStringLiteral("10kΩ"));
    partLabel(s, node - 42, baseY + 12, QStringLiteral("D2"), QStringLiteral("1S1588"));
    partLabel(s, r2x + 9, baseY + 14, QStringLiteral("R2"), QStringLiteral("10kΩ"));

    // Ground rail from the logic side to pin 5.
    terminal(s, 60, rail);
    s.ink(Wire, 1);
    s.line(65, rail, pinX - 5, rail);
    junction(s, node, rail);
    junction(s, r2x, rail);
    junction(s, qx, rail);

    // The port's pins.
    struct Pin {
        int y;
        const char* text;
    };
    for (const Pin& pin : {Pin{dtrY, "4 DTR"}, Pin{outY, "2 RXD"}, Pin{rail, "5 GND"}}) {
        terminal(s, pinX, pin.y);
        s.font(9, false, true);
        s.ink(Qt::black);
        s.text(pinX + 9, pin.y - 7, QString::fromLatin1(pin.text));
    }
    s.font(9, false, true);
    s.ink(Qt::black);
    s.textCentred(52, baseY - 36, QStringLiteral("Serial IN"));
    s.font(8);
    s.textCentred(52, baseY - 20, QStringLiteral("(0～5V)"));
    s.textCentred(52, rail + 10, QStringLiteral("GND"));
    s.textCentred(52, rail + 22, QStringLiteral("(ロジック側)"));

    s.font(9);
    s.text(12, 234,
           QStringLiteral("・基板上のシリアル信号(0～5V)をパソコンで受信するためのものです。"));
    s.text(12, 251, QStringLiteral("・DTR が ON のとき受信できます（電源は DTR から取ります）。"));
    s.text(12, 268, QStringLiteral("・部品はコネクタのハウジング内に収まります。"));
    s.text(12, 285,
           QStringLiteral("・ロジック電源 OFF・入力オープンのときはブレークを検出します。"));
    return s.finished();
}
