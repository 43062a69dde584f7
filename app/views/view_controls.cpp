#include "views/view_controls.h"

#include "ui/caption_width.h"
#include "ui/vb_color.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

QScrollBar* makePositionBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(QStringLiteral("VScroll1"));
    bar->setRange(0, 30000);
    bar->setPageStep(750);
    bar->setSingleStep(1);
    bar->setTracking(false);
    bar->hide();
    return bar;
}

QScrollBar* makeStepBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setRange(0, 2);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(1);
    bar->hide();
    return bar;
}

QGroupBox* makeChoiceFrame(QWidget* parent, const QString& title, int left, int top, int width) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(left, top, width, 48);
    return box;
}

QRadioButton* makeChoiceOption(QGroupBox* frame, const QString& caption, int left) {
    auto* button = new QRadioButton(caption, frame);
    button->setGeometry(left, 20, captionWidth(button, caption), 20);
    return button;
}

QLabel* makeHoverLabel(QWidget* picture, int32_t textColor, int width, int height) {
    auto* label = new QLabel(picture);
    label->resize(width, height);
    QFont font = label->font();
    font.setPixelSize(10);
    label->setFont(font);
    label->setAutoFillBackground(true);
    vbcolor::setBackColor(label, vbcolors::White);
    vbcolor::setForeColor(label, textColor);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

void watchPointerBesides(QWidget* window, const QWidget* picture) {
    window->setMouseTracking(true);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child == picture || child->parent() == picture) continue;
        child->setMouseTracking(true);
        child->installEventFilter(window);
    }
}
