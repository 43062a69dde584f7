#include "ui/vb_color.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace vbcolor {
namespace {

// The system colours the program uses, by their index, as palette roles.
QPalette::ColorRole systemRole(uint32_t index) {
    switch (index) {
    case 0x05:
        return QPalette::Base; // window background
    case 0x08:
        return QPalette::Text; // window text
    case 0x0D:
        return QPalette::Highlight;
    case 0x0E:
        return QPalette::HighlightedText;
    case 0x12:
        return QPalette::ButtonText;
    case 0x14:
        return QPalette::Light; // 3D highlight
    case 0x10:
        return QPalette::Dark; // button shadow
    case 0x18:
        return QPalette::ToolTipBase;
    case 0x17:
        return QPalette::ToolTipText;
    default:
        return QPalette::Button; // 0x0F button face, 0x04 menu, ...
    }
}

bool isButton(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) != nullptr;
}

} // namespace

QColor toQColor(int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    if (isSystemColor(value)) return QApplication::palette().color(systemRole(v & 0xFFu));
    return QColor(int(v & 0xFFu), int((v >> 8) & 0xFFu), int((v >> 16) & 0xFFu));
}

int32_t fromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<int32_t>(uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) |
                                (uint32_t(rgb.blue()) << 16));
}

void setBackColor(QWidget* widget, int32_t value) {
    if (!widget) return;
    QPalette pal = widget->palette();
    const QColor c = toQColor(value);
    if (isButton(widget)) {
        pal.setColor(QPalette::Button, c);
    } else {
        pal.setColor(QPalette::Window, c);
        pal.setColor(QPalette::Base, c);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(pal);
}

int32_t contrastingTextColor(int32_t background) {
    const QColor c = toQColor(background);
    // ITU-R BT.601 luma weights, on the 0..255 scale.
    const int luma = (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
    return luma < 128 ? 0xFFFFFF : 0x000000;
}

void setForeColor(QWidget* widget, int32_t value) {
    if (!widget) return;
    QPalette pal = widget->palette();
    const QColor c = toQColor(value);
    pal.setColor(isButton(widget) ? QPalette::ButtonText : QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    widget->setPalette(pal);
}

} // namespace vbcolor
