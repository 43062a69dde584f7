#include "senders/text_save_name.h"

std::optional<QString> txtSaveName(const QString& typed) {
    QString name = typed.trimmed();
    if (name.isEmpty()) return std::nullopt;
    if (!name.endsWith(QStringLiteral(".TXT"), Qt::CaseInsensitive)) name += QStringLiteral(".txt");
    return name;
}
