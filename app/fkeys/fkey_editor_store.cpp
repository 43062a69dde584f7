#include "fkeys/fkey_editor_store.h"

#include "core/file_io.h"
#include "core/file_save.h"
#include "core/text_box_bytes.h"
#include "fkeys/fkey_files.h"
#include "text/cp932.h"

#include <QByteArray>

#include <algorithm>

namespace {

UFEditContents contentsOfDataFile(const QByteArray& bytes) {
    UFEditContents contents;
    // The header ends with the first line, should that be shorter.
    const qsizetype firstCr = bytes.indexOf('\r');
    const qsizetype headerSize =
        std::min<qsizetype>(UFHeaderSize, firstCr < 0 ? bytes.size() : firstCr);
    contents.header = cp932::toUnicode(bytes.left(headerSize));
    contents.data = bytes.mid(headerSize);
    contents.text = textBoxShown(contents.data);
    contents.fileLength = int32_t(bytes.size());
    return contents;
}

} // namespace

UFEditContents loadUFKeyForEdit(int keyNo) {
    UFEditContents contents;
    const FileStart file = readFileStart(ufDataFilePath(keyNo));
    if (file.error == 0) {
        contents = contentsOfDataFile(file.bytes);
        contents.found = true;
    }
    contents.name = readUFKeyName(keyNo, UFNameEditChars);
    return contents;
}

UFOutputMode outputModeOfHeader(const QString& header) {
    if (header.size() < UFHeaderSize) return UFOutputMode::Unchanged;
    if (header[2] == QLatin1Char('0')) return UFOutputMode::Normal;
    if (header[2] == QLatin1Char('1')) return UFOutputMode::Translated;
    return UFOutputMode::Unchanged;
}

QByteArray ufEditData(const QString& text, const UFEditContents& loaded) {
    return text == loaded.text ? loaded.data : textBoxBytes(text);
}

int saveUFKeyFromEdit(int keyNo, bool translated, const QByteArray& data, const QString& name) {
    const QByteArray file =
        (translated ? QByteArrayLiteral("121") : QByteArrayLiteral("120")) + data;
    // Neither file is touched unless both may be saved: a name file the user
    // keeps read-only must not leave the key half changed.
    for (const QString& path : {ufDataFilePath(keyNo), ufNameFilePath(keyNo)})
        if (const int error = saveTargetError(path)) return error;
    // The data file first: should the name fail after it, the key still
    // sends what was saved.
    if (const int error = saveWholeFile(ufDataFilePath(keyNo), file)) return error;
    return saveWholeFile(ufNameFilePath(keyNo), cp932::fromUnicode(name));
}
