// The two charts on signed 8-bit numbers: the first explains the sign bit,
// the two's complement and binary addition with tables; the second graphs
// the decimal value of every byte read without and with a sign.
#include "senders/picture_artwork.h"
#include "senders/picture_sketch.h"

#include <initializer_list>

namespace {

constexpr int BorderInset = 5; // the page border, cut away by the window

QString bits(int byte) {
    const QString b = QStringLiteral("%1").arg(byte & 0xFF, 8, 2, QLatin1Char('0'));
    return b.left(4) + QLatin1Char(' ') + b.right(4);
}

QString hexByte(int byte) {
    return QString::number(byte & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0')) +
           QLatin1Char('h');
}

void heading(Sketch& s, int y, const QString& text) {
    s.font(11, true, true);
    s.text(28, y, text);
}

// One graph of decimal value against byte: axes, ticks and labels; the
// points are (byte, value) pairs joined by straight lines.
struct Graph {
    int left, top, width, height; // the plotting area
    int low, high;                // the value range

    int x(int byte) const { return left + byte * width / 255; }
    int y(int value) const { return top + (high - value) * height / (high - low); }
};

// The value axis with its ticks, the zero line and the bottom edge.
void axes(Sketch& s, const Graph& g, std::initializer_list<int> valueTicks) {
    s.ink(Qt::black, 1);
    s.line(g.left, g.top - 6, g.left, g.top + g.height);
    s.line(g.left, g.y(0), g.left + g.width + 8, g.y(0));
    s.line(g.left, g.top + g.height, g.left + g.width, g.top + g.height);
    s.font(9, false);
    for (int v : valueTicks) {
        s.line(g.left - 4, g.y(v), g.left, g.y(v));
        s.textRight(g.left - 6, g.y(v) - 7, QString::number(v));
    }
}

// A byte on the bottom edge: its tick, and its label centred, or ending or
// starting beside the tick (align -1, 0, 1). Two neighbouring bytes label
// their ticks from either side, a word's space apart, so that the two labels
// read as two.
void byteTick(Sketch& s, const Graph& g, int byte, int align = 0) {
    constexpr int Beside = 8;
    const int x = g.x(byte), y = g.top + g.height;
    s.ink(Qt::black, 1);
    s.line(x, y, x, y + 4);
    s.font(9, false);
    const QString label = hexByte(byte);
    if (align < 0) s.textRight(x - Beside, y + 6, label);
    if (align == 0) s.textCentred(x, y + 6, label);
    if (align > 0) s.text(x + Beside, y + 6, label);
}

void guide(Sketch& s, const Graph& g, int byte, int value) {
    s.ink(Qt::black, 1);
    s.dashed(true);
    s.line(g.x(byte), g.top + g.height, g.x(byte), g.y(value));
    s.line(g.left, g.y(value), g.x(byte), g.y(value));
    s.dashed(false);
}

} // namespace

QImage drawSignedChart1() {
    Sketch s(640, 600);
    s.pageBorder(BorderInset);
    s.font(15, true, true);
    s.textCentred(310, 22, QStringLiteral("ex1　８ビット サイン付表現について"));

    // The weights of the bits, with the sign bit marked.
    heading(s, 62, QStringLiteral("● 各ビットの重み"));
    const int cell = 54, tableLeft = 96;
    s.font(10, false, true);
    s.ink(Qt::black, 1);
    for (int i = 0; i < 8; ++i) {
        const int x = tableLeft + i * cell;
        s.box(x, 86, cell, 22);
        s.box(x, 108, cell, 22);
        s.textCentred(x + cell / 2, 90, QStringLiteral("D%1").arg(7 - i));
        s.textCentred(x + cell / 2, 112, QString::number(1 << (7 - i)));
    }
    s.font(9);
    s.text(28, 90, QStringLiteral("ビット"));
    s.text(28, 112, QStringLiteral("重み"));
    s.ink(Qt::black, 1);
    s.arrow(tableLeft + cell / 2, 150, tableLeft + cell / 2, 132, 6);
    s.text(tableLeft, 152,
           QStringLiteral("最上位ビット (MSB) ＝ 符号ビット：正の数は 0、負の数は 1"));

    // Some values in binary, the largest and the most negative marked.
    heading(s, 182, QStringLiteral("● 正の数は MSB が 0、負の数は正の数の ２の補数"));
    struct Row {
        int value;
        const char* note;
    };
    const Row rows[] = {{127, "← 最大の正の数"}, {1, ""}, {0, ""}, {-1, ""}, {-127, ""},
                        {-128, "← 最小の負の数"}};
    constexpr int decimalRight = 110, binaryX = 150, hexX = 270, noteX = 330;
    s.font(10);
    int y = 208;
    s.textRight(decimalRight, y, QStringLiteral("10進数"));
    s.text(binaryX, y, QStringLiteral("2進数"));
    s.text(hexX, y, QStringLiteral("16進数"));
    y += 20;
    for (const Row& row : rows) {
        s.font(10, false);
        s.textRight(decimalRight, y, QString::number(row.value));
        s.text(binaryX, y, bits(row.value));
        s.text(hexX, y, hexByte(row.value));
        s.font(10);
        s.text(noteX, y, QString::fromUtf8(row.note));
        y += 19;
    }

    // Two's complement: invert every bit, then add 1.
    heading(s, 356, QStringLiteral("● ２の補数 ＝ １の補数（全ビット反転）＋ 1"));
    struct Step {
        int y;
        const char* label;
        int byte;
        const char* note;
    };
    for (const Step& step : {Step{382, "+5", 5, ""}, Step{401, "反転", ~5, "← １の補数"},
                             Step{420, "＋1", 1, ""}, Step{444, "-5", -5, "＝ FBh"}}) {
        s.font(10);
        s.textRight(decimalRight, step.y, QString::fromUtf8(step.label));
        s.text(decimalRight + 12, step.y, QStringLiteral("＝"));
        s.font(10, false);
        s.text(binaryX, step.y, bits(step.byte));
        s.font(10);
        s.text(hexX, step.y, QString::fromUtf8(step.note));
    }
    s.font(10, false);
    s.ink(Qt::black, 1);
    s.line(binaryX - 4, 438, binaryX + s.textWidth(bits(0)) + 4, 438);

    // Binary addition, and why the complement works: 5 + (-5) = 0.
    heading(s, 474, QStringLiteral("● ２進数の加算"));
    s.font(10, false);
    s.text(60, 500, QStringLiteral("0+0=0    0+1=1    1+0=1    1+1=10 (桁上がり)"));
    s.text(60, 520,
           QStringLiteral("  ") + bits(5) + QStringLiteral(" (+5) ＋ ") + bits(-5) +
               QStringLiteral(" (-5) ＝ 1 ") + bits(0));
    s.font(9);
    s.text(60, 538,
           QStringLiteral("  ８ビットを超えた桁上がりは捨てるので、結果は 0 になります。"));
    return s.finished();
}

QImage drawSignedChart2() {
    Sketch s(640, 400);
    s.pageBorder(BorderInset);
    s.font(15, true, true);
    s.textCentred(318, 18, QStringLiteral("ex2　８ビット サイン付表現について"));

    // Without a sign: a straight line from 0 to 255.
    const Graph plain{64, 84, 220, 190, 0, 255};
    s.font(11, true, true);
    s.textCentred(plain.left + plain.width / 2, 52, QStringLiteral("サインなし（ストレート）"));
    axes(s, plain, {0, 128, 255});
    for (int b : {0x00, 0x80, 0xFF})
        byteTick(s, plain, b);
    guide(s, plain, 0x80, 128);
    s.ink(Qt::black, 2);
    s.line(plain.x(0), plain.y(0), plain.x(255), plain.y(255));

    // With a sign: 00h..7Fh rise to 127, then 80h starts again at -128.
    const Graph sign{370, 84, 220, 190, -128, 127};
    s.font(11, true, true);
    s.textCentred(sign.left + sign.width / 2, 52, QStringLiteral("サイン付（２の補数）"));
    axes(s, sign, {127, 0, -128});
    byteTick(s, sign, 0x00);
    byteTick(s, sign, 0x7F, -1);
    byteTick(s, sign, 0x80, 1);
    byteTick(s, sign, 0xFF);
    guide(s, sign, 0x7F, 127);
    s.ink(Qt::black, 2);
    s.line(sign.x(0), sign.y(0), sign.x(0x7F), sign.y(127));
    s.line(sign.x(0x80), sign.y(-128), sign.x(0xFF), sign.y(-1));
    s.ink(Qt::black, 1);
    s.dashed(true);
    s.line(sign.x(0x80), sign.y(0), sign.x(0x80), sign.y(-128));
    s.dashed(false);

    s.font(10);
    s.text(40, 306, QStringLiteral("00h～FFh → 0～255（80h は 128）"));
    s.text(340, 306, QStringLiteral("00h～7Fh → 0～127"));
    s.text(340, 322, QStringLiteral("80h～FFh → -128～-1"));
    return s.finished();
}
