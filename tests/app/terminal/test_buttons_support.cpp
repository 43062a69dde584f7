#include "test_buttons_support.h"

#include "real_tovaline_api.h"

namespace buttons_test {
namespace {

const TovalineApi* realApi = nullptr;

int32_t recordSetLineSt(int16_t code) {
    recordedCalls().push_back("SetLineSt " + std::to_string(code));
    return realApi->SetLineSt(code);
}

void recordBitOnCountClear(int16_t bit) {
    recordedCalls().push_back("BitOnCountClear " + std::to_string(bit));
    realApi->BitOnCountClear(bit);
}

void recordSendDataByte(int32_t byte, int32_t length, int32_t* written, int16_t* ok) {
    recordedCalls().push_back("SendDataByte " + std::to_string(byte));
    realApi->SendDataByte(byte, length, written, ok);
}

} // namespace

std::vector<std::string>& recordedCalls() {
    static std::vector<std::string> calls;
    return calls;
}

void installRecordingApi() {
    static TovalineApi table;
    installRealTovalineApi();
    static TovalineApi real = lib();
    realApi = &real;
    table = real;
    table.SetLineSt = &recordSetLineSt;
    table.BitOnCountClear = &recordBitOnCountClear;
    table.SendDataByte = &recordSendDataByte;
    installTovalineApi(&table);
}

} // namespace buttons_test
