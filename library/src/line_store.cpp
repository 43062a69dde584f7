#include "line_store.h"

#include <algorithm>
#include <array>

namespace tovaline {

namespace {

enum class ByteKind : uint8_t { Plain, Delete, Control, Lead };

constexpr std::array<ByteKind, 256> kByteKinds = [] {
    std::array<ByteKind, 256> kinds{};
    for (int b = 0; b < 256; ++b) {
        if (b < 0x20)
            kinds[b] = ByteKind::Control;
        else if (b == 0x7F)
            kinds[b] = ByteKind::Delete;
        else if (isSjisLeadByte(static_cast<uint8_t>(b)))
            kinds[b] = ByteKind::Lead;
        else
            kinds[b] = ByteKind::Plain;
    }
    return kinds;
}();

constexpr uint8_t kCR = 0x0D;
constexpr uint8_t kLF = 0x0A;
constexpr uint8_t kDot = 0x2E;

class LineWriter {
  public:
    LineWriter(LineRing& ring, const DispParams& params)
        : ring_(ring), params_(params),
          columns_(std::min<int32_t>(params.columns, kMaxStoreColumns)),
          line_(&ring.lines[ring.current]) {}

    void store(uint8_t b) {
        const ByteKind kind = kByteKinds[b];
        if (ring_.leadPending) {
            // A trail byte below 40h cannot complete a double-byte
            // character: the orphaned lead is shown as a dot.
            if (b < 0x40 && line_->length > 0) line_->text[line_->length - 1] = kDot;
            put(b, kind, true);
            checkWidth();
            ring_.leadPending = 0;
        } else if (kind == ByteKind::Lead) {
            // Break before the lead so a character never straddles two lines.
            checkWidth();
            append(b);
            ring_.leadPending = 1;
        } else {
            put(b, kind, false);
            checkWidth();
        }
    }

  private:
    void append(uint8_t b) { line_->text[line_->length++] = b; }

    void put(uint8_t b, ByteKind kind, bool afterLead) {
        if (kind == ByteKind::Control) {
            putControl(b);
        } else if (kind == ByteKind::Delete && !afterLead) {
            append(kDot);
        } else {
            append(b);
        }
    }

    void putControl(uint8_t code) {
        const uint8_t first = params_.ctrlCodeTable[2 * code];
        const uint8_t second = params_.ctrlCodeTable[2 * code + 1];
        if (first != 0xFF) {
            append(first);
            append(second);
        } else if (second == kDot) {
            append(kDot);
        }
        if ((code == kCR && params_.crFlag == 1) || (code == kLF && params_.lfFlag == 1)) endLine();
    }

    void checkWidth() {
        if (line_->length >= columns_) endLine();
    }

    void endLine() {
        append(kCR);
        append(kLF);
        ring_.current = (ring_.current + 1) % kLineRingSize;
        if (ring_.count < kLineRingSize) ++ring_.count;
        if (ring_.count == kLineRingSize) ring_.oldest = (ring_.current + 1) % kLineRingSize;
        line_ = &ring_.lines[ring_.current];
        line_->length = 0;
    }

    LineRing& ring_;
    const DispParams& params_;
    const int32_t columns_;
    TextLine* line_;
};

} // namespace

void storeLineBytes(LineRing& ring, const DispParams& params, const uint8_t* data, size_t n) {
    LineWriter writer(ring, params);
    for (size_t i = 0; i < n; ++i)
        writer.store(data[i]);
}

int32_t lineSlotsInUse(const LineRing& ring) {
    return (ring.current - ring.oldest + kLineRingSize) % kLineRingSize + 1;
}

int32_t lineTotal(const LineRing& ring) {
    const bool currentHoldsText = ring.lines[ring.current].length > 0;
    return ring.count + (currentHoldsText && ring.count < kLineRingSize ? 1 : 0);
}

} // namespace tovaline
