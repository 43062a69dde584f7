// The function-key files: per key (1 to 1000) a data file UFnnnn.UFK and a
// name file UFnnnn.UFN in the program's folder.
//
// Data file: three ASCII digits, then the key data as stored (no length, no
// terminator):
//   byte 0  UFWholeFlag      "1" send the whole data, other digits the first byte
//   byte 1  UFEnterCode      EnterSendCode after the data: 0 CR, 1 CR LF, 2 none, 3 LF
//   byte 2  UFTranslateFlag  "1" the data is a send script
// Name file: the key's name as cp932 text; its first line is the name.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

inline constexpr int UFKeyCount = 1000;
inline constexpr int UFHeaderSize = 3;
// The most data bytes a key can send (the editor may store more).
inline constexpr int32_t UFMaxSendBytes = 30000;
inline constexpr int UFNameTipChars = 100;
// The most characters of a name the editor's name box holds.
inline constexpr int UFNameEditChars = 32767;

QString ufDataFilePath(int keyNo);
QString ufNameFilePath(int keyNo);

struct UFKeyHeader {
    int whole = 0;     // UFWholeFlag
    int enter = 0;     // UFEnterCode
    int translate = 0; // UFTranslateFlag
};

enum class UFKeyStatus { Ok, Missing, TooShort, TooLong, BadHeader, ReadError };

struct UFKeyFile {
    UFKeyStatus status = UFKeyStatus::Missing;
    UFKeyHeader header;
    QByteArray data;
};

// Reads a key's data file; more than maxData data bytes is TooLong (told
// before the header is looked at).
UFKeyFile readUFKeyFile(int keyNo, int32_t maxData);

// The data length a list shows: file length - 3; 0 for a missing file or one
// shorter than its header.
int32_t ufKeyDataLength(int keyNo);

// The first line of the key's name file, cut to maxChars characters (only
// the bytes they can take are read); empty when there is none.
QString readUFKeyName(int keyNo, int maxChars);
