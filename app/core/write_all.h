// Writing a whole buffer to an open file: a write may take part of it, or
// be interrupted by a signal, and is then carried on.
#pragma once

#include <QByteArrayView>

// 0 once every byte is written, else the errno of the failing write (EIO
// where a write took nothing).
int writeAll(int fd, QByteArrayView bytes);
