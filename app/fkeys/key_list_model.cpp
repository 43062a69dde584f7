#include "fkeys/key_list_model.h"

#include "core/count_text.h"
#include "core/file_io.h"
#include "core/program_folder.h"
#include "fkeys/fkey_files.h"
#include "fkeys/fkey_text_lines.h"
#include "text/cp932.h"
#include "ui/vb_color.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

using namespace vbcolors;

constexpr int32_t SystemHighlight = static_cast<int32_t>(0x8000000Du);

const char* const HeaderTexts[UFKeyListModel::ColumnCount] = {"UF NO.", "UF Key Name",
                                                              "サイズ(Byte)", "翻訳", "データ"};

int32_t backColorOf(UFRowPaint paint) {
    switch (paint) {
    case UFRowPaint::Selected:
        return SystemHighlight;
    case UFRowPaint::Sending:
        return Green;
    default:
        return White;
    }
}

// Size, mark and preview from the data file read as text lines. False when
// the file could not be read.
bool readDataCells(int keyNo, UFListCells& cells) {
    const FileStart file = readFileStart(ufDataFilePath(keyNo));
    if (file.error != 0) return false;
    const QByteArray& bytes = file.bytes;
    cells.size = formatCount(ufKeyDataLength(keyNo));
    const std::vector<QByteArray> lines = ufTextLines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        const QString line = cp932::toUnicode(lines[i]);
        if (i == 0) {
            if (line.size() >= UFHeaderSize && line[2] == QLatin1Char('1'))
                cells.mark = QStringLiteral("*");
            cells.preview = line.mid(UFHeaderSize);
        } else {
            cells.preview = line;
        }
        if (!cells.preview.isEmpty()) break;
    }
    cells.preview.truncate(UFNameTipChars);
    return true;
}

} // namespace

std::optional<int> ufKeyNoOfFileName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^UF([0-9]{4})\\.UFK$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch()) return std::nullopt;
    const int keyNo = match.captured(1).toInt();
    if (keyNo < 1 || keyNo > UFKeyCount) return std::nullopt;
    return keyNo;
}

std::vector<int> registeredUFKeys() {
    const QDir folder(programFolderPath());
    std::vector<int> keys;
    for (const QString& name : folder.entryList({QStringLiteral("UF*.UFK")}, QDir::Files)) {
        if (const std::optional<int> keyNo = ufKeyNoOfFileName(name)) keys.push_back(*keyNo);
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

std::optional<UFListCells> readUFListCells(int keyNo, bool withoutData) {
    const bool hasData = QFileInfo::exists(ufDataFilePath(keyNo));
    if (!hasData && !withoutData) return std::nullopt;
    UFListCells cells;
    cells.name = readUFKeyName(keyNo, UFNameTipChars);
    if (hasData && !readDataCells(keyNo, cells)) return UFListCells{};
    return cells;
}

UFKeyListModel::UFKeyListModel(Kind kind, QObject* parent)
    : QAbstractTableModel(parent), kind_(kind) {}

void UFKeyListModel::fill() {
    beginResetModel();
    rows_.clear();
    if (kind_ == Kind::AllKeys) {
        for (int keyNo = 1; keyNo <= UFKeyCount; ++keyNo)
            rows_.push_back(Row{keyNo, false, std::nullopt, UFRowPaint::Normal});
    } else {
        for (int keyNo : registeredUFKeys())
            rows_.push_back(Row{keyNo, false, std::nullopt, UFRowPaint::Normal});
    }
    endResetModel();
}

int UFKeyListModel::keyOfRow(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[size_t(row)].keyNo : 0;
}

void UFKeyListModel::refreshRow(int row) {
    if (row < 0 || row >= int(rows_.size())) return;
    rows_[size_t(row)].filled = false;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void UFKeyListModel::refreshAll() {
    if (rows_.empty()) return;
    for (Row& r : rows_)
        r.filled = false;
    emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, ColumnCount - 1));
}

void UFKeyListModel::paintRow(int row, UFRowPaint paint) {
    if (row < 0 || row >= int(rows_.size())) return;
    rows_[size_t(row)].paint = paint;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1),
                     {Qt::BackgroundRole, Qt::ForegroundRole});
}

UFRowPaint UFKeyListModel::paintOfRow(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[size_t(row)].paint : UFRowPaint::Normal;
}

int UFKeyListModel::rowsRead() const {
    return int(std::count_if(rows_.cbegin(), rows_.cend(), [](const Row& r) { return r.filled; }));
}

int UFKeyListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int UFKeyListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const UFKeyListModel::Row& UFKeyListModel::filledRow(int row) const {
    Row& r = rows_[size_t(row)];
    if (!r.filled) {
        r.cells = readUFListCells(r.keyNo, kind_ == Kind::RegisteredKeys);
        r.filled = true;
    }
    return r;
}

QVariant UFKeyListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) return {};
    const Row& plain = rows_[size_t(index.row())];
    switch (role) {
    case Qt::BackgroundRole:
        return vbcolor::toQColor(backColorOf(plain.paint));
    case Qt::ForegroundRole:
        return vbcolor::toQColor(plain.paint == UFRowPaint::Normal ? Black : White);
    case Qt::TextAlignmentRole:
        switch (index.column()) {
        case 2:
            return int(Qt::AlignRight | Qt::AlignTop);
        case 3:
            return int(Qt::AlignHCenter | Qt::AlignTop);
        default:
            return int(Qt::AlignLeft | Qt::AlignTop);
        }
    case Qt::DisplayRole:
        break;
    default:
        return {};
    }
    if (index.column() == 0) return QStringLiteral("UF%1").arg(plain.keyNo);
    const Row& r = filledRow(index.row());
    if (!r.cells) return QString();
    switch (index.column()) {
    case 1:
        return r.cells->name;
    case 2:
        return r.cells->size;
    case 3:
        return r.cells->mark;
    default:
        return r.cells->preview;
    }
}

QVariant UFKeyListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(HeaderTexts[section]);
    return {};
}
