#include "views/view_state.h"

#include "core/tovaline_api.h"

#include <algorithm>
#include <cstring>

ViewState& viewState() {
    static ViewState state;
    return state;
}

void ViewState::takeSnapshot() {
    RcvDumpData.assign(SnapshotBufferSize, 0);
    int32_t count = 0;
    lib().ReadDispHex(RcvDumpData.data() + 1, &count, 0, 0, 0);
    RcvDumpLen = std::clamp(count, 0, SnapshotMax);
}

std::size_t ViewState::readView(int64_t first, std::span<uint8_t> out) const {
    if (ViewFromFile == 1) return ViewFileNo ? ViewFileNo->read(first, out) : 0;
    if (RcvDumpData.empty()) return 0;
    const std::span<const uint8_t> snapshot(RcvDumpData.data() + 1,
                                            static_cast<std::size_t>(RcvDumpLen));
    return SnapshotSource(snapshot).read(first, out);
}

void ViewState::setPage(std::span<const uint8_t> bytes) {
    const std::size_t count = std::min(bytes.size(), DumpPageBuf.size());
    if (count > 0) std::memcpy(DumpPageBuf.data(), bytes.data(), count);
    DumpPageLen = static_cast<int32_t>(count);
}

bool ViewState::pageByte(int32_t i, uint8_t& value) const {
    if (i < 0 || i >= DumpPageLen) return false;
    value = DumpPageBuf[static_cast<std::size_t>(i)];
    return true;
}
