#include "fkeys/fkey_panel_logic.h"

#include "core/file_io.h"
#include "core/shared_state.h"
#include "fkeys/fkey_files.h"
#include "fkeys/fkey_text_lines.h"
#include "text/cp932.h"

#include <QFileInfo>

namespace {
constexpr int PreviewChars = 40;
}

// Page 0 counts keys from 1, so any key is its index there.
UFButtonLabel ufKeyButtonLabel(int keyNo) {
    return ufButtonLabel(0, keyNo - 1);
}

QString ufKeyPreview(int keyNo) {
    const QString path = ufDataFilePath(keyNo);
    if (!QFileInfo(path).isFile()) return QStringLiteral("登録されていません");
    // A character takes at most two bytes: enough for the header and the preview.
    const FileStart file = readFileStart(path, 2 * (UFHeaderSize + PreviewChars));
    if (file.error != 0) return QString();
    const QString line = cp932::toUnicode(ufFirstTextLine(file.bytes));
    return line.mid(UFHeaderSize, PreviewChars);
}

std::optional<QString> ufPreviewOnHover(int index, int keyNo) {
    SharedState& s = shared();
    if (s.UFHoverNo == index) return std::nullopt;
    s.UFHoverNo = int16_t(index);
    return ufKeyPreview(keyNo);
}
