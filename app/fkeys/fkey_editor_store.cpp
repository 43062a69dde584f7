#include "fkeys/fkey_editor_store.h"

#include "core/file_io.h"
#include "core/text_box_bytes.h"
#include "fkeys/fkey_files.h"
#include "text/cp932.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Writes the bytes to a new file beside finalPath; tempPath receives its
// name. Returns 0 or the errno of the failing step (the temporary file is
// then gone again).
int writeBeside(const std::string& finalPath, const QByteArray& bytes, std::string& tempPath) {
    std::vector<char> name(finalPath.begin(), finalPath.end());
    const std::string suffix = ".XXXXXX";
    name.insert(name.end(), suffix.begin(), suffix.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return errno;
    tempPath = name.data();

    // mkstemp makes the file private; a key file gets the usual mode.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = ::fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
    if (error == 0) error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(tempPath.c_str());
    return error;
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
    // The new files are renamed over the key's names. A name that is not a
    // regular file (a FIFO, a link to a device), one linked to a running part
    // of the program and the file the running capture writes are refused as
    // any writer refuses them: the rename would replace them.
    for (const QString& path : {ufDataFilePath(keyNo), ufNameFilePath(keyNo)})
        if (const int error = writeTargetError(path)) return error;
    const std::string dataPath = nativePath(ufDataFilePath(keyNo));
    const std::string namePath = nativePath(ufNameFilePath(keyNo));

    std::string dataTemp, nameTemp;
    int error = writeBeside(dataPath, file, dataTemp);
    if (error != 0) return error;
    error = writeBeside(namePath, cp932::fromUnicode(name), nameTemp);
    if (error != 0) {
        ::unlink(dataTemp.c_str());
        return error;
    }
    // The data file first: should the name fail after it, the key still
    // sends what was saved.
    if (::rename(dataTemp.c_str(), dataPath.c_str()) != 0) {
        error = errno;
        ::unlink(dataTemp.c_str());
        ::unlink(nameTemp.c_str());
        return error;
    }
    if (::rename(nameTemp.c_str(), namePath.c_str()) != 0) {
        error = errno;
        ::unlink(nameTemp.c_str());
        return error;
    }
    return 0;
}
