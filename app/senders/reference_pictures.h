// The six reference pictures of the pattern sender: the loop-back plug,
// the cross cable, the receive adapter, two charts on signed 8-bit numbers
// and the asynchronous character frame. They are this program's own
// artwork, drawn in code at their fixed sizes: the three wiring pictures
// in colour (a palette of at most 256 colours), the three charts in black
// and white.
#pragma once

#include <QImage>

enum ReferencePictureNo {
    LoopBackPicture = 0,
    CrossCablePicture = 1,
    AdapterPicture = 2,
    SignedChart1Picture = 3,
    AsyncFramePicture = 4,
    SignedChart2Picture = 5,
    ReferencePictureCount = 6
};

// The picture (drawn once, then kept); an unknown number gives a null image.
const QImage& referencePicture(int number);
