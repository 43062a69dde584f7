#include "senders/text_file.h"

#include "core/file_io.h"
#include "core/program_folder.h"
#include "core/settings_file.h"
#include "fkeys/fkey_text_lines.h"
#include "ui/event_pump.h"
#include "ui/text_length_limit.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr int LinesBetweenPumps = 201;

// Each byte of a file stands for at least half a stored character of its
// text (a double-byte character is one, a line end at least one); a line
// end may be lost at the end. So this many bytes always fill the box.
qsizetype bytesFilling(int maxStoredChars) {
    return 2 * qsizetype(maxStoredChars) + 8;
}

} // namespace

TextFileRead readTextForBox(const QString& path, int maxStoredChars) {
    TextFileRead result;
    const FileStart start =
        readFileStart(path, maxStoredChars > 0 ? bytesFilling(maxStoredChars) : -1);
    if ((result.error = start.error) != 0) return result;
    const QByteArray& file = start.bytes;
    const bool more = start.more;

    const std::vector<QByteArray> lines = ufTextLines(file);
    for (size_t i = 0; i < lines.size(); ++i) {
        result.bytes += lines[i];
        if (i + 1 < lines.size()) result.bytes += "\r\n";
        if ((i + 1) % LinesBetweenPumps == 0) pumpEvents();
    }
    if (!more && !file.isEmpty() && file.back() == '\n') result.bytes += "\r\n";
    if (!more && !file.isEmpty() && file.back() == '\0') result.bytes += ' ';
    if (maxStoredChars > 0) {
        const QString shown = textBoxShown(result.bytes);
        const qsizetype fitting = fittingLength(shown, maxStoredChars);
        if (fitting < shown.size()) {
            result.cut = true;
            result.bytes = textBoxBytes(shown.left(fitting));
        }
    }
    return result;
}

int writeTextFile(const QString& path, QByteArrayView bytes) {
    const FileForWriting file = openForWriting(path, O_TRUNC);
    if (file.fd < 0) return file.error;
    int error = writeAll(file.fd, bytes);
    if (::close(file.fd) != 0 && error == 0) error = errno;
    return error;
}

QString textBoxSelection(const QPlainTextEdit* box) {
    // The cursor's selected text keeps the document's separators; the whole
    // text (toPlainText) has them as line breaks, and a no-break space as a
    // space. (A document fragment would give the same, at ten times the cost.)
    QString text = box->textCursor().selectedText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
        else if (c == QChar::Nbsp)
            c = u' ';
    }
    return text;
}

QString programTempFilePath(const QString& ending) {
    return programFolderPath() + QLatin1Char('/') + applicationTitle() + ending;
}
