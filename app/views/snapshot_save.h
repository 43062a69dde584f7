// What the two "ファイルセーブ" dialogs of the data views share below the
// window: where a typed name is saved, the data as blocks written in turn
// with events pumped after each, and the file operations (each reports the
// errno it failed with, 0 on success).
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// The name typed, trimmed of blanks, as a path: a name beginning with "/" is
// used as typed, any other name goes in the program's folder, and an empty
// one is `defaultName` there.
QString saveTargetPath(const QString& typed, const QString& defaultName);

// Leading and trailing blanks off (tabs and other spaces stay, as typed).
QString trimBlanks(const QString& text);

// The bytes to write and where events are pumped: after each block end.
struct SaveData {
    QByteArray bytes;
    std::vector<qsizetype> blockEnds;
};

// A raw snapshot: events after the first byte and then every 256 bytes, so
// a large snapshot keeps the windows alive without a pump per byte.
SaveData rawSaveData(const QByteArray& snapshot);

// Text lines, as stored (each with its own line end, nothing added): events
// after every line. Only the first `count` lines are written.
SaveData lineSaveData(const std::vector<QByteArray>& lines, int32_t count);

// Appends the data block by block, creating the file when missing; after
// each block `goOn` pumps events and says whether to write further (what was
// written stays). The writes are buffered; an error of the last flush counts.
int appendSaveData(const QString& path, const SaveData& data, const std::function<bool()>& goOn);
