// The page modes' text as the receive picture prints it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Replaces by "." every single byte 80h, A0h or FDh-FFh (no character of the
// code page) that is not the second byte of a double-byte character.
void FormatDispNumber(QByteArray& page);

// One field of a signed decimal page: five characters, printed red when its
// value is negative; a line end follows the 16th field of a row.
struct SignedField {
    QString text;
    bool negative = false;
    bool lineEndAfter = false;
};
// Splits a signed decimal page (fields of 5, 16 a row, rows joined by CR LF)
// into at most 256 fields, stopping at the end of the text.
std::vector<SignedField> signedDecimalFields(const QString& page);

// The printed lines of a page: CR LF, a lone CR and a lone LF each end a
// line. The last entry holds what follows the last line end (often empty).
QStringList pageLines(const QString& page);
