// The binary-to-CSV conversion: every byte of a file as a decimal value,
// unsigned (0..255) or signed (-128..127), the values joined by a delimiter
// and the text ended by CR LF. The bytes 00h 41h FFh give "0,65,255" CR LF
// unsigned with commas; an empty file gives CR LF alone.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

struct CsvFormat {
    int16_t signMode = 0; // CsvSignMode: 0 unsigned, 1 signed
    int16_t kugiri = 3;   // CsvKugiri: 0 ",", 1 TAB, 2 space, any other CR LF
};

// The delimiter between two values.
QByteArray csvDelimiter(int16_t kugiri);

// Converts `source` into `destination` (created, or emptied when it exists).
// `every100Values` runs after every 100 values, so the windows keep running.
// False after any file error (the part written stays), and, touching
// neither file, when the destination is the source itself, however spelt:
// emptying it would lose the data before it was read.
bool ConvBinToCsv(const QString& source, const QString& destination, CsvFormat format,
                  const std::function<void()>& every100Values);

// The destination's name as it is written: ".CSV" appended unless the name
// already ends in ".csv" in any letter case (a name of fewer than 4
// characters always gets it).
QString csvDestinationPath(const QString& chosen);
