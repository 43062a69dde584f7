// The one way a tool window opens the receive display selector (the main
// window's "受信表示選択") without depending on the terminal folder: the main
// window hands over how to open it when it is built.
#pragma once

#include <functional>

void SetDisplaySelector(std::function<void()> show);

// Shows the selector modally and returns when the user has closed it;
// nothing happens before the main window exists.
void ShowDisplaySelector();
