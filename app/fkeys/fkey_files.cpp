#include "fkeys/fkey_files.h"

#include "core/file_io.h"
#include "core/program_folder.h"
#include "text/cp932.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QString ufFilePath(int keyNo, const char* extension) {
    return QStringLiteral("%1/UF%2.%3")
        .arg(programFolderPath())
        .arg(keyNo, 4, 10, QLatin1Char('0'))
        .arg(QLatin1String(extension));
}

int digitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace

QString ufDataFilePath(int keyNo) {
    return ufFilePath(keyNo, "UFK");
}

QString ufNameFilePath(int keyNo) {
    return ufFilePath(keyNo, "UFN");
}

UFKeyFile readUFKeyFile(int keyNo, int32_t maxData) {
    UFKeyFile key;
    // Only as much as a key may send, and one byte more to tell a longer one.
    const FileStart file = readFileStart(ufDataFilePath(keyNo), UFHeaderSize + qsizetype(maxData));
    if (file.error == ENOENT || file.error == EISDIR || file.error == kNotARegularFile) return key;
    if (file.error != 0) {
        key.status = UFKeyStatus::ReadError;
        return key;
    }
    const QByteArray& bytes = file.bytes;
    if (bytes.size() < UFHeaderSize) {
        key.status = UFKeyStatus::TooShort;
        return key;
    }
    if (file.more) {
        key.status = UFKeyStatus::TooLong;
        return key;
    }
    const int digits[3] = {digitValue(bytes[0]), digitValue(bytes[1]), digitValue(bytes[2])};
    if (digits[0] < 0 || digits[1] < 0 || digits[2] < 0) {
        key.status = UFKeyStatus::BadHeader;
        return key;
    }
    key.header = {digits[0], digits[1], digits[2]};
    key.data = bytes.mid(UFHeaderSize);
    key.status = UFKeyStatus::Ok;
    return key;
}

int32_t ufKeyDataLength(int keyNo) {
    const QFileInfo info(ufDataFilePath(keyNo));
    if (!info.isFile() || info.size() < UFHeaderSize) return 0;
    return int32_t(qMin<qint64>(info.size() - UFHeaderSize, INT32_MAX));
}

QString readUFKeyName(int keyNo, int maxChars) {
    // A character takes at most two bytes: this many hold the first maxChars.
    QByteArray bytes = readFileStart(ufNameFilePath(keyNo), 2 * qsizetype(maxChars)).bytes;
    const auto lineEnd =
        std::find_if(bytes.cbegin(), bytes.cend(), [](char c) { return c == '\r' || c == '\n'; });
    bytes.truncate(lineEnd - bytes.cbegin());
    return cp932::toUnicode(bytes).left(maxChars);
}
