#include "fkeys/fkey_pages.h"

#include "core/shared_state.h"
#include "fkeys/fkey_files.h"

#include <QAbstractButton>

UFButtonLabel ufButtonLabel(int16_t page, int index) {
    const int keyNo = page * UFPageButtons + index + 1;
    return {QStringLiteral("UF%1").arg(keyNo), readUFKeyName(keyNo, UFNameTipChars)};
}

void LoadUFName(std::span<QAbstractButton* const> Command1) {
    const int16_t page = shared().UFPage;
    for (size_t i = 0; i < Command1.size() && i < size_t(UFPageButtons); ++i) {
        if (!Command1[i]) continue;
        const UFButtonLabel label = ufButtonLabel(page, int(i));
        Command1[i]->setText(label.caption);
        Command1[i]->setToolTip(label.toolTip);
    }
}

void UFPageNext() {
    SharedState& s = shared();
    s.UFPage = int16_t((s.UFPage + 1) % UFPageCount);
    s.UFHoverNo = UFHoverNone;
}

void UFPagePrev() {
    SharedState& s = shared();
    s.UFPage = int16_t((s.UFPage + UFPageCount - 1) % UFPageCount);
    s.UFHoverNo = UFHoverNone;
}
