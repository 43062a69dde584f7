// What the key editor reads from and writes to a key's two files. The text
// is kept as the program keeps it: line breaks are CR LF, as stored.
#pragma once

#include <QString>

#include <cstdint>

inline constexpr int UFEditMaxChars = 30720;

enum class UFOutputMode { Unchanged, Normal, Translated };

struct UFEditContents {
    QString header = QStringLiteral("100"); // the data file's first three characters
    QString text;                           // the key data, line breaks CR LF
    QString name;                           // first line of the name file
    int32_t fileLength = 0;                 // of the data file (SendFileLen)
    bool found = false;                     // the data file was read
};

// The data file's lines: a line ends at CR or CR LF (a lone LF stays inside
// it); the first line's first three characters are the header. A file that
// ends in LF keeps its final line break. A missing or unreadable data file
// gives header "100" and no text.
UFEditContents loadUFKeyForEdit(int keyNo);

// The output mode the header selects: "0" normal, "1" translated, anything
// else leaves the editor's choice as it is.
UFOutputMode outputModeOfHeader(const QString& header);

// The cp932 byte count of the editor's text (line breaks CR LF).
int32_t ufEditByteCount(const QString& text);

// Stores header "12" + "0"/"1" and the text as cp932 in the data file, and
// the name in the name file, neither with a line end added. Both files are
// first written under temporary names in the same folder and then renamed
// over the old ones, so a failed save leaves the old key whole. Returns 0 on
// success, otherwise the errno of the failing step.
int saveUFKeyFromEdit(int keyNo, bool translated, const QString& text, const QString& name);
