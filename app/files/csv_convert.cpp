#include "files/csv_convert.h"

#include "core/capture_file.h"
#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>
#include <vector>

namespace {

constexpr size_t kReadSize = 64 * 1024;
constexpr size_t kFlushSize = 256 * 1024;
constexpr int kValuesBetweenPumps = 100;

using ValueTexts = std::array<std::string, 256>;

const ValueTexts& valueTexts(int16_t signMode) {
    static const ValueTexts unsignedTexts = [] {
        ValueTexts t;
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = std::to_string(b);
        return t;
    }();
    static const ValueTexts signedTexts = [] {
        ValueTexts t;
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = std::to_string(int(int8_t(uint8_t(b))));
        return t;
    }();
    return signMode == 0 ? unsignedTexts : signedTexts;
}

// A file descriptor closed when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes it now; false when the close reported an error (a write that
    // the file system could not complete).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

} // namespace

QByteArray csvDelimiter(int16_t kugiri) {
    switch (kugiri) {
    case 0:
        return QByteArrayLiteral(",");
    case 1:
        return QByteArrayLiteral("\t");
    case 2:
        return QByteArrayLiteral(" ");
    default:
        return QByteArrayLiteral("\r\n");
    }
}

bool ConvBinToCsv(const QString& source, const QString& destination, CsvFormat format,
                  const std::function<void()>& every100Values) {
    if (isSameFile(source, destination)) return false;
    Fd in(openForReading(source).fd);
    if (in.get() < 0) return false;
    Fd out(openForWriting(destination, O_TRUNC).fd);
    if (out.get() < 0) return false;

    const ValueTexts& texts = valueTexts(format.signMode);
    const QByteArray delimiterBytes = csvDelimiter(format.kugiri);
    const std::string delimiter(delimiterBytes.constData(), size_t(delimiterBytes.size()));
    std::vector<uint8_t> block(kReadSize);
    std::string text;
    text.reserve(kFlushSize + kReadSize * 6);
    bool first = true;
    int untilPump = kValuesBetweenPumps;
    for (;;) {
        const ssize_t n = ::read(in.get(), block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            writeAll(out.get(), text); // the part converted stays
            return false;
        }
        if (n == 0) break;
        for (ssize_t i = 0; i < n; ++i) {
            if (!first) text += delimiter;
            first = false;
            text += texts[block[size_t(i)]];
            if (--untilPump == 0) {
                untilPump = kValuesBetweenPumps;
                if (every100Values) every100Values();
            }
        }
        if (text.size() >= kFlushSize) {
            if (writeAll(out.get(), text) != 0) return false;
            text.clear();
        }
    }
    in.close();
    text += "\r\n";
    return writeAll(out.get(), text) == 0 && out.close();
}

QString csvDestinationPath(const QString& chosen) {
    if (chosen.size() >= 4 && chosen.right(4).toUpper() == QStringLiteral(".CSV")) return chosen;
    return chosen + QStringLiteral(".CSV");
}
