// Key files read as text lines, as the key windows read them: a line ends at
// CR or CR LF, a lone LF stays inside its line, and a file that ends with a
// line end has no empty line after it.
#pragma once

#include <QByteArray>

#include <vector>

std::vector<QByteArray> ufTextLines(const QByteArray& bytes);

// The first of those lines (empty for an empty file).
QByteArray ufFirstTextLine(const QByteArray& bytes);
