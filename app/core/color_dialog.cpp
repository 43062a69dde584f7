#include "core/color_dialog.h"

#include <QColorDialog>

#include "core/settings.h"
#include "ui/timer_tick.h"
#include "ui/vb_color.h"

int32_t ShowColorDialog(QWidget* owner, int32_t colour) {
    auto& custom = settings().CustomColors;
    // Qt keeps one set of custom colours for the whole application; loading
    // ours before every dialog drops what a cancelled dialog changed there.
    for (int i = 0; i < static_cast<int>(custom.size()); ++i) {
        QColorDialog::setCustomColor(i, vbcolor::toQColor(custom[i]));
    }

    QColorDialog dialog(vbcolor::toQColor(colour), owner);
    // Qt's own dialog on every desktop, so that the custom colours it shows
    // are the ones loaded here.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    int answer = QDialog::Rejected;
    {
        OutsideTickScope outside;
        answer = dialog.exec();
    }
    if (answer != QDialog::Accepted) return -1;

    for (int i = 0; i < static_cast<int>(custom.size()); ++i) {
        custom[i] = vbcolor::fromQColor(QColorDialog::customColor(i));
    }
    return vbcolor::fromQColor(dialog.selectedColor());
}
