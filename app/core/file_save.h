// Saving a file whole in the program's own formats (the settings file, the
// function keys) without taking it from its user: the saved file keeps its
// owner and mode, a file the user may not write is left alone, and a folder
// the user may not add to still has its writable files saved.
#pragma once

#include <QByteArrayView>
#include <QString>

// What a save answers before it touches the file: writeTargetError's
// refusals, and the errno of an existing file the user may not write
// (EACCES, or EROFS on a read-only mount). 0 when the save may go ahead.
int saveTargetError(const QString& path);

// Makes the bytes the whole content of the file that the path names or
// leads to (a link is followed and stays a link). Where the folder takes a
// new file, they are written beside it and renamed over it, so that a
// failure leaves the old file whole and nothing beside it; where it does
// not, or where the new file could not be given the old one's owner, the
// file is written over in place and cut to the new length only once every
// byte is written. 0, or the errno of the refusal or the failing step.
int saveWholeFile(const QString& path, QByteArrayView bytes);
