// The rows of the two function-key lists: one row per key, its cells read
// from the key's files only when the grid first asks for them (the rows that
// come into view), and then kept.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <optional>
#include <vector>

// The key number of a key data file name: "UF" + four decimal digits +
// ".UFK", 1 to 1000. Any other name is no key file.
std::optional<int> ufKeyNoOfFileName(const QString& fileName);

// The registered keys (those with a data file in the program's folder), in
// key-number order, each once.
std::vector<int> registeredUFKeys();

// Columns 1 to 4 of a key's row.
struct UFListCells {
    QString name;                       // first line of the name file, cut to 100
    QString size = QStringLiteral("0"); // data bytes (file length - 3)
    QString mark = QStringLiteral(" "); // "*" for a translated key
    QString preview;                    // first non-empty data line, cut to 100
};

// The cells of one key. Without a data file there are none (the edit list
// leaves such a row empty); withoutData gives the name and the empty data
// cells instead (the send list).
std::optional<UFListCells> readUFListCells(int keyNo, bool withoutData);

enum class UFRowPaint { Normal, Selected, Sending };

class UFKeyListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum class Kind { AllKeys, RegisteredKeys };
    static constexpr int ColumnCount = 5;

    explicit UFKeyListModel(Kind kind, QObject* parent = nullptr);

    // ListAllUF / ListRegUF: the keys, with no cell read yet.
    void fill();

    int keyOfRow(int row) const;
    // SetUFRow: reads the row's key again (after the editor closed).
    void refreshRow(int row);
    // Every row read again when it is next shown (keys may have changed).
    void refreshAll();
    // PaintRowNormal / PaintRowSelected / PaintRowSending.
    void paintRow(int row, UFRowPaint paint);
    UFRowPaint paintOfRow(int row) const;
    // How many rows have been read from their files (RowFilled).
    int rowsRead() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        int keyNo = 0;
        bool filled = false;
        std::optional<UFListCells> cells;
        UFRowPaint paint = UFRowPaint::Normal;
    };
    const Row& filledRow(int row) const;

    Kind kind_;
    mutable std::vector<Row> rows_;
};
