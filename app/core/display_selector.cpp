#include "core/display_selector.h"

namespace {
std::function<void()>& selector() {
    static std::function<void()> show;
    return show;
}
} // namespace

void SetDisplaySelector(std::function<void()> show) {
    selector() = std::move(show);
}

void ShowDisplaySelector() {
    if (selector()) selector()();
}
