// What the key editor reads from and writes to a key's two files.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

inline constexpr int UFEditMaxChars = 30720;

enum class UFOutputMode { Unchanged, Normal, Translated };

struct UFEditContents {
    QString header = QStringLiteral("100"); // the data file's first three characters
    QByteArray data;                        // the key data as read
    QString text;                           // that data as the editor shows it
    QString name;                           // first line of the name file
    int32_t fileLength = 0;                 // of the data file (SendFileLen)
    bool found = false;                     // the data file was read
};

// The header is the data file's first three characters, or fewer when its
// first line is shorter; the rest of the file is the key data. A missing or
// unreadable data file gives header "100" and no data.
UFEditContents loadUFKeyForEdit(int keyNo);

// The key data the editor's text stands for. While the text is the one
// loaded, that is the data as read, byte for byte, also where cp932 has no
// character to show for a byte or more than one code for a character; once
// it is edited, the text's own data (textBoxBytes).
QByteArray ufEditData(const QString& text, const UFEditContents& loaded);

// The output mode the header selects: "0" normal, "1" translated, anything
// else leaves the editor's choice as it is.
UFOutputMode outputModeOfHeader(const QString& header);

// Stores header "12" + "0"/"1" and the key data in the data file, and the
// name as cp932 in the name file, neither with a line end added, each kept
// its user's (saveWholeFile). Neither is touched when either may not be
// saved. Returns 0 on success, otherwise the errno of the failing step.
int saveUFKeyFromEdit(int keyNo, bool translated, const QByteArray& data, const QString& name);
