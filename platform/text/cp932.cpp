#include "text/cp932.h"

#include <QtGlobal>

#include <cerrno>
#include <iconv.h>
#include <unistd.h>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the codec hands iconv UTF-16LE as QChar storage");

namespace cp932 {
namespace {

constexpr char16_t kUndecodable = u'\u30FB';

bool isTrailByte(uint8_t b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// One descriptor per direction for the life of the process; the program has
// one UI thread, tests may have more, so each thread opens its own.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at the first sequence it
    // cannot convert, with in/out advanced to it.
    bool convert(char*& in, size_t& inLeft, char*& out, size_t& outLeft) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return iconv(cd_, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1) ||
               errno == E2BIG;
    }

  private:
    iconv_t cd_;
};

// The main thread's converter is never destroyed: an end that comes through
// exit() runs the end procedure from an exit handler, after the thread's own
// objects are gone, and it still writes the settings in cp932.
template <const char* To, const char* From> Converter& converter() {
    if (gettid() == getpid()) {
        static Converter* const mainThreadConverter = new Converter(To, From);
        return *mainThreadConverter;
    }
    thread_local Converter c(To, From);
    return c;
}

constexpr char kCp932[] = "CP932";
constexpr char kUtf16[] = "UTF-16LE";

Converter& decoder() {
    return converter<kUtf16, kCp932>();
}
Converter& encoder() {
    return converter<kCp932, kUtf16>();
}

} // namespace

qsizetype charCount(QByteArrayView bytes) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++count)
        i += (isLeadByte(static_cast<uint8_t>(bytes[i])) && i + 1 < bytes.size()) ? 2 : 1;
    return count;
}

QString toUnicode(QByteArrayView bytes) {
    // Every cp932 byte sequence gives at most one UTF-16 unit per byte.
    QString text(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* const outStart = reinterpret_cast<char*>(text.data());
    char* out = outStart;
    size_t outLeft = static_cast<size_t>(bytes.size()) * 2;
    Converter& conv = decoder();
    while (inLeft > 0) {
        if (conv.valid() && conv.convert(in, inLeft, out, outLeft)) break;
        // Stopped at a byte it cannot decode: one "・" for it (and for its
        // trail byte when it is a lead byte followed by one).
        const uint8_t b = static_cast<uint8_t>(*in);
        const size_t skip =
            (isLeadByte(b) && inLeft > 1 && isTrailByte(static_cast<uint8_t>(in[1]))) ? 2 : 1;
        *reinterpret_cast<char16_t*>(out) = kUndecodable;
        out += 2;
        outLeft -= 2;
        in += skip;
        inLeft -= skip;
    }
    text.truncate((out - outStart) / 2);
    return text;
}

QString pairCharacter(uint8_t lead, uint8_t trail) {
    if (!isTrailByte(trail)) return QString(QChar(kUndecodable));
    // A lead byte and a trail byte decode as one: a character or one "・".
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    return toUnicode(QByteArrayView(pair, 2));
}

QByteArray fromUnicode(QStringView text, bool* ok) {
    bool allMapped = true;
    // At most two bytes for each UTF-16 unit.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
    size_t inLeft = static_cast<size_t>(text.size()) * 2;
    char* out = bytes.data();
    size_t outLeft = static_cast<size_t>(bytes.size());
    Converter& conv = encoder();
    while (inLeft > 0) {
        if (conv.valid() && conv.convert(in, inLeft, out, outLeft)) break;
        allMapped = false;
        const char16_t unit = *reinterpret_cast<const char16_t*>(in);
        const bool pair = QChar::isHighSurrogate(unit) && inLeft >= 4 &&
                          QChar::isLowSurrogate(*reinterpret_cast<const char16_t*>(in + 2));
        const size_t skip = pair ? 4 : 2;
        *out++ = '?';
        --outLeft;
        in += skip;
        inLeft -= skip;
    }
    bytes.truncate(out - bytes.data());
    if (ok) *ok = allMapped;
    return bytes;
}

bool hasCp932Form(QStringView text) {
    bool ok = true;
    fromUnicode(text, &ok);
    return ok;
}

} // namespace cp932
