#include "senders/frms_BMP.h"

#include "senders/reference_pictures.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>

#include <array>

using twips::toPixels;

namespace {

struct PictureWindowSpec {
    const char* caption;
    int clientWidth;  // twips
    int clientHeight; // twips
    int pictureAt;    // twips from the top-left corner, both ways
};

constexpr std::array<PictureWindowSpec, ReferencePictureCount> Specs{{
    {"自己ループ・コネクタ", 7275, 5400, 0},
    {"クロス・ケーブル", 8160, 5535, 0},
    {"アダプター", 6720, 4575, 0},
    {"ex1 ８ビットサイン付表現について", 8985, 8220, -160},
    {"ASYNC フォーマット", 9240, 5160, -160},
    {"ex2 ８ビットサイン付表現について", 9255, 4905, -160},
}};

} // namespace

frms_BMP& frms_BMP::instance(int number) {
    // Freed by no one: they live for the run, as the main window does.
    static std::array<QPointer<frms_BMP>, ReferencePictureCount> windows;
    QPointer<frms_BMP>& window = windows[static_cast<std::size_t>(number)];
    if (!window) window = new frms_BMP(number);
    return *window;
}

void frms_BMP::Run(int number) {
    if (number < 0 || number >= ReferencePictureCount) return;
    frms_BMP& window = instance(number);
    window.showModal();
}

frms_BMP::frms_BMP(int number) {
    const PictureWindowSpec& spec = Specs[static_cast<std::size_t>(number)];
    setObjectName(QStringLiteral("frms_BMP%1").arg(number));
    setWindowTitle(QString::fromUtf8(spec.caption));
    const QImage& picture = referencePicture(number);
    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->setGeometry(toPixels(spec.pictureAt), toPixels(spec.pictureAt), picture.width(),
                        picture.height());
    setFixedSize(toPixels(spec.clientWidth), toPixels(spec.clientHeight));
}

void frms_BMP::showEvent(QShowEvent* event) {
    // Centred at every opening; the place is not kept.
    int32_t left = WindowPlace::kNotPlaced, top = 0;
    placeOnShow(this, left, top);
    ModalWindow::showEvent(event);
}
