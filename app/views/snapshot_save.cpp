#include "views/snapshot_save.h"

#include "core/file_io.h"
#include "core/program_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

constexpr qsizetype RawPumpBytes = 256;

// The file opened to append to, as a stream; nullptr with `error` set when
// it cannot be opened.
std::FILE* openToAppend(const QString& path, int& error) {
    const FileForWriting opened = openForWriting(path, O_APPEND);
    error = opened.error;
    if (opened.fd < 0) return nullptr;
    std::FILE* file = ::fdopen(opened.fd, "ab");
    if (!file) {
        error = errno;
        ::close(opened.fd);
    }
    return file;
}

// The errno of a failed close, or `error` when that came first.
int closeFile(std::FILE* file, int error) {
    const int closed = std::fclose(file) == 0 ? 0 : errno;
    return error != 0 ? error : closed;
}

} // namespace

QString trimBlanks(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString saveTargetPath(const QString& typed, const QString& defaultName) {
    const QString name = trimBlanks(typed).isEmpty() ? defaultName : trimBlanks(typed);
    if (name.startsWith(QLatin1Char('/'))) return name;
    return programFolderPath() + QLatin1Char('/') + name;
}

SaveData rawSaveData(const QByteArray& snapshot) {
    SaveData data{snapshot, {}};
    for (qsizetype end = 1; end < snapshot.size(); end += RawPumpBytes)
        data.blockEnds.push_back(end);
    if (!snapshot.isEmpty()) data.blockEnds.push_back(snapshot.size());
    return data;
}

SaveData lineSaveData(const std::vector<QByteArray>& lines, int32_t count) {
    SaveData data;
    const size_t n = std::min(lines.size(), size_t(std::max(count, 0)));
    for (size_t k = 0; k < n; ++k) {
        data.bytes += lines[k];
        data.blockEnds.push_back(data.bytes.size());
    }
    return data;
}

int appendSaveData(const QString& path, const SaveData& data, const std::function<bool()>& goOn) {
    int error = 0;
    std::FILE* file = openToAppend(path, error);
    if (!file) return error;
    qsizetype start = 0;
    for (const qsizetype end : data.blockEnds) {
        const size_t length = size_t(end - start);
        if (std::fwrite(data.bytes.constData() + start, 1, length, file) != length) {
            return closeFile(file, errno);
        }
        start = end;
        if (!goOn()) break;
    }
    return closeFile(file, 0);
}
