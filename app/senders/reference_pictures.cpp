#include "senders/reference_pictures.h"

#include "senders/picture_artwork.h"

#include <array>

namespace {

QImage reduced(const QImage& drawing, bool blackAndWhite) {
    // The drawings use few flat colours and no smoothing, so a threshold
    // keeps every colour (or every black pixel) exactly.
    const Qt::ImageConversionFlags flags = Qt::ThresholdDither | Qt::AvoidDither;
    return blackAndWhite ? drawing.convertToFormat(QImage::Format_Mono, flags | Qt::MonoOnly)
                         : drawing.convertToFormat(QImage::Format_Indexed8, flags);
}

QImage drawPicture(int number) {
    switch (number) {
    case LoopBackPicture:
        return reduced(drawLoopBackPlug(), false);
    case CrossCablePicture:
        return reduced(drawCrossCable(), false);
    case AdapterPicture:
        return reduced(drawReceiveAdapter(), false);
    case SignedChart1Picture:
        return reduced(drawSignedChart1(), true);
    case AsyncFramePicture:
        return reduced(drawAsyncFrame(), true);
    case SignedChart2Picture:
        return reduced(drawSignedChart2(), true);
    default:
        return {};
    }
}

} // namespace

const QImage& referencePicture(int number) {
    static std::array<QImage, ReferencePictureCount> drawn;
    static const QImage none;
    if (number < 0 || number >= ReferencePictureCount) return none;
    QImage& picture = drawn[static_cast<std::size_t>(number)];
    if (picture.isNull()) picture = drawPicture(number);
    return picture;
}
