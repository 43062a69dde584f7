#include "core/capture_marks.h"

#include "core/main_controls.h"
#include "core/settings.h"
#include "ui/vb_color.h"

void ShowCaptureMarks(CaptureMark mark) {
    MainControls& c = mainControls();
    if (!c.Picl5 || !c.Picl6 || !c.Command5 || !c.Command18) return;
    c.Picl5->setVisible(mark == CaptureMark::Logging);
    c.Picl6->setVisible(mark == CaptureMark::Stream);
    const bool logging = mark == CaptureMark::Logging, stream = mark == CaptureMark::Stream;
    c.Command5->setEnabled(!stream);
    c.Command18->setEnabled(!logging);
    const int32_t windowColor = settings().WindowColor;
    vbcolor::setBackColor(c.Command5, logging ? vbcolors::Cyan : windowColor);
    vbcolor::setBackColor(c.Command18, stream ? vbcolors::Cyan : windowColor);
}
