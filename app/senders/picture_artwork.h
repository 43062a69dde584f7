// The drawings behind the reference pictures, each at its own size in full
// colour; reference_pictures reduces them to their stored colour depth.
#pragma once

#include <QImage>

QImage drawLoopBackPlug();   // 491 x 360
QImage drawCrossCable();     // 544 x 369
QImage drawReceiveAdapter(); // 448 x 305
QImage drawSignedChart1();   // 640 x 600, with a page border
QImage drawAsyncFrame();     // 640 x 400, with a page border
QImage drawSignedChart2();   // 640 x 400, with a page border
