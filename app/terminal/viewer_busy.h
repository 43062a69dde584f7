// One dump viewer at a time from the main window: a click that arrives while
// a viewer is open (the viewer pumps events) does nothing. The flag is
// released on every way out of the viewer, also when its load fails.
#pragma once

#include <cstdint>

class ViewerBusyGuard {
  public:
    // Takes the flag when it is free (0); acquired() tells whether it did.
    explicit ViewerBusyGuard(int16_t& viewerBusyFlg) : flag_(viewerBusyFlg) {
        if (flag_ == 0) {
            flag_ = 1;
            acquired_ = true;
        }
    }
    ~ViewerBusyGuard() {
        if (acquired_) flag_ = 0;
    }
    ViewerBusyGuard(const ViewerBusyGuard&) = delete;
    ViewerBusyGuard& operator=(const ViewerBusyGuard&) = delete;

    bool acquired() const { return acquired_; }

  private:
    int16_t& flag_;
    bool acquired_ = false;
};

// Runs the viewer under the flag; returns false when another viewer is open.
template <typename OpenViewer>
bool runUnderViewerBusy(int16_t& viewerBusyFlg, OpenViewer&& openViewer) {
    ViewerBusyGuard guard(viewerBusyFlg);
    if (!guard.acquired()) return false;
    openViewer();
    return true;
}
