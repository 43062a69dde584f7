// The codes of the two control-code panels, with their captions and colours:
// "制御コード出力 1" has a label for each of 00h-7Fh and FFh, "制御コード出力 2"
// a button for each of 00h-1Fh, 7Fh and FFh.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

struct CtrlCodeEntry {
    int code; // the byte the control sends
    QString caption;
    int32_t color; // 0x00BBGGRR, or the button face
};

// frms_ent's labels in code order: 00h to 7Fh, then FFh.
std::span<const CtrlCodeEntry> entCodeTable();

// frms_CTRL's buttons in code order: 00h to 1Fh, 7Fh, FFh.
std::span<const CtrlCodeEntry> ctrlCodeTable();
