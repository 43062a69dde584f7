// Control making for the file tools' windows: every position and size is in
// twips, as the windows were designed. Beside the window layer's own
// controls, the panels the capture windows share.
#pragma once

#include "ui/twips.h"
#include "ui/twips_controls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace files_ui {

using twips::button;
using twips::label;
using twips::place;

// A boxed panel of lines one under another (the notice a capture window
// shows while its capture runs).
inline QFrame* noticePanel(QWidget* parent, const QStringList& lines, int left, int top,
                           int width) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Box);
    place(panel, left, top, width, 60 + int(lines.size()) * 240);
    for (int i = 0; i < lines.size(); ++i)
        label(panel, lines[i], 60, 30 + i * 240, width - 200, 240);
    return panel;
}

// The capture windows' count of bytes written: "受信文字数", the count
// (right-aligned) and "バイト", in one row.
struct CountRow {
    QLabel* caption = nullptr;
    QLabel* count = nullptr;
    QLabel* unit = nullptr;
};

inline CountRow countRow(QWidget* parent, int left, int top) {
    CountRow row;
    row.caption = label(parent, QStringLiteral("受信文字数"), left, top, 1300);
    row.count = label(parent, QString(), left + 1320, top, 2200);
    row.count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.unit = label(parent, QStringLiteral("バイト"), left + 3600, top, 900);
    return row;
}

} // namespace files_ui
