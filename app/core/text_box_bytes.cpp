#include "core/text_box_bytes.h"

#include "text/cp932.h"

QString textBoxShown(QByteArrayView cp932Bytes) {
    // CR and LF are never the second byte of a cp932 character, so they
    // come out of the codec as themselves.
    const QString text = cp932::toUnicode(cp932Bytes);
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            shown += u'\n';
            ++i;
        } else if (c == u'\r') {
            shown += LoneCrMark;
        } else if (c == u'\n') {
            shown += LoneLfMark;
        } else {
            shown += c;
        }
    }
    return shown;
}

QByteArray textBoxBytes(QStringView shown) {
    QString text;
    text.reserve(shown.size() + shown.count(u'\n'));
    for (const QChar c : shown) {
        if (c == u'\n')
            text += QStringLiteral("\r\n");
        else if (c == LoneCrMark)
            text += u'\r';
        else if (c == LoneLfMark)
            text += u'\n';
        else
            text += c;
    }
    return cp932::fromUnicode(text);
}
