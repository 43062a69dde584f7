// Connects a window's button to its handler: on a click, or on the release
// of any mouse button over it (the handler gets the program's button number,
// 1 left, 2 right, 4 middle).
#pragma once

#include <QPushButton>

#include <cstdint>
#include <functional>

namespace button_wiring {

void onClick(QPushButton* button, QObject* context, std::function<void()> handler);
void onMouseUp(QPushButton* button, QObject* context, std::function<void(int16_t)> handler);

} // namespace button_wiring
