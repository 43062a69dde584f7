#include "files/overwrite_question.h"

#include "core/msgbox.h"

#include <QFileInfo>

bool mayOverwrite(const QString& path, const QString& title) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) return true;
    return MsgBoxXAns(QStringLiteral("このファイルはすでにあります｡\r\n上書きしてもいいですか !!"),
                      4, title) == AnsYes;
}
