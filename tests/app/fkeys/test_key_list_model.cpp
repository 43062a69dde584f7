// The rows of the key lists over a folder of key files: which files are
// keys, what each row shows, and that rows are read only when asked for.
#include "fkeys/fkey_files.h"
#include "fkeys/key_list_model.h"
#include "key_folder_fixture.h"
#include "text/cp932.h"

#include <QColor>
#include <QDir>

namespace {

class KeyListModel : public KeyFolderTest {
  protected:
    void SetUp() override {
        ensureTestApplication();
        KeyFolderTest::SetUp();
    }

    QStringList column(const UFKeyListModel& model, int col) {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r)
            texts << model.index(r, col).data().toString();
        return texts;
    }
};

TEST_F(KeyListModel, OnlyUFAndFourDigitsAreKeyFiles) {
    EXPECT_EQ(ufKeyNoOfFileName(QStringLiteral("UF0007.UFK")), 7);
    EXPECT_EQ(ufKeyNoOfFileName(QStringLiteral("UF1000.UFK")), 1000);
    for (const char* stray :
         {"UF0000.UFK", "UF1001.UFK", "UF12AB.UFK", "UF007.UFK", "UF00007.UFK", "UF0007.UFN",
          "uf0007.ufk", "UF0007.UFK.bak", "UF-007.UFK", "UF 007.UFK", "UF+007.UFK"}) {
        EXPECT_EQ(ufKeyNoOfFileName(QString::fromLatin1(stray)), std::nullopt) << stray;
    }
}

TEST_F(KeyListModel, SendListShowsEachRegisteredKeyOnceInKeyOrder) {
    for (const char* name : {"UF1000.UFK", "UF0012.UFK", "UF0003.UFK", "UF12AB.UFK", "UF0000.UFK",
                             "UF1001.UFK", "UF0012.UFN", "UF012.UFK"})
        storeInFolder(QString::fromLatin1(name), "120X");
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("UF0005.UFK"))); // a folder is no key

    UFKeyListModel model(UFKeyListModel::Kind::RegisteredKeys);
    model.fill();
    EXPECT_EQ(column(model, 0), (QStringList{"UF3", "UF12", "UF1000"}));
    EXPECT_EQ(model.keyOfRow(2), 1000);
}

TEST_F(KeyListModel, EmptyFolderGivesNoRows) {
    UFKeyListModel model(UFKeyListModel::Kind::RegisteredKeys);
    model.fill();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.keyOfRow(0), 0);
}

TEST_F(KeyListModel, RowCellsFromTheKeyFiles) {
    storeInFolder(QStringLiteral("UF0001.UFK"), "120");
    storeInFolder(QStringLiteral("UF0002.UFK"), "121\r\nABC\r\nDEF");
    storeInFolder(QStringLiteral("UF0003.UFK"), "120" + QByteArray(30000, 'x'));
    storeInFolder(QStringLiteral("UF0004.UFK"), "1"); // shorter than its header
    storeInFolder(QStringLiteral("UF0005.UFK"), cp932::fromUnicode(u"100漢字データ\r\n"));
    storeInFolder(QStringLiteral("UF0005.UFN"),
                  cp932::fromUnicode(QString(150, u'名') + QStringLiteral("\r\nsecond")));
    storeInFolder(QStringLiteral("UF0006.UFK"), "120\r\n\r\n" + QByteArray(120, 'p'));

    UFKeyListModel model(UFKeyListModel::Kind::RegisteredKeys);
    model.fill();
    ASSERT_EQ(model.rowCount(), 6);
    const QStringList sizes{"0", "10", "30,000", "0", "12", "124"};
    const QStringList marks{" ", "*", " ", " ", " ", " "};
    const QStringList previews{
        "", "ABC", QString(100, u'x'), "", QStringLiteral("漢字データ"), QString(100, u'p')};
    EXPECT_EQ(column(model, 2), sizes);
    EXPECT_EQ(column(model, 3), marks);
    EXPECT_EQ(column(model, 4), previews);
    EXPECT_EQ(model.index(4, 1).data().toString(), QString(100, u'名'));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("サイズ(Byte)"));
}

TEST_F(KeyListModel, EditListHasAllKeysAndLeavesUnregisteredRowsEmpty) {
    storeInFolder(QStringLiteral("UF0009.UFN"), "named only");
    storeInFolder(QStringLiteral("UF0010.UFK"), "121^0D");
    UFKeyListModel model(UFKeyListModel::Kind::AllKeys);
    model.fill();
    ASSERT_EQ(model.rowCount(), 1000);
    EXPECT_EQ(model.index(999, 0).data().toString(), QStringLiteral("UF1000"));
    EXPECT_EQ(model.index(8, 1).data().toString(), QString())
        << "no data file: the row stays empty";
    EXPECT_EQ(model.index(8, 3).data().toString(), QString());
    EXPECT_EQ(model.index(9, 2).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(model.index(9, 3).data().toString(), QStringLiteral("*"));
}

TEST_F(KeyListModel, SendListRowOfAKeyWhoseFileWentAway) {
    storeInFolder(QStringLiteral("UF0004.UFK"), "120AB");
    storeInFolder(QStringLiteral("UF0004.UFN"), "name");
    UFKeyListModel model(UFKeyListModel::Kind::RegisteredKeys);
    model.fill();
    QFile::remove(folder_.filePath(QStringLiteral("UF0004.UFK")));
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("name"));
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(model.index(0, 3).data().toString(), QStringLiteral(" "));
}

TEST_F(KeyListModel, RowsAreReadOnceWhenFirstShownAndAgainWhenRefreshed) {
    storeInFolder(QStringLiteral("UF0500.UFK"), "120old");
    UFKeyListModel model(UFKeyListModel::Kind::AllKeys);
    model.fill();
    EXPECT_EQ(model.rowsRead(), 0);
    EXPECT_EQ(model.index(499, 4).data().toString(), QStringLiteral("old"));
    EXPECT_EQ(model.index(499, 2).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(model.rowsRead(), 1);

    storeInFolder(QStringLiteral("UF0500.UFK"), "120newer");
    EXPECT_EQ(model.index(499, 4).data().toString(), QStringLiteral("old"))
        << "kept until refreshed";
    model.refreshRow(499);
    EXPECT_EQ(model.index(499, 4).data().toString(), QStringLiteral("newer"));
}

TEST_F(KeyListModel, RowPaintsGiveTheRowColours) {
    storeInFolder(QStringLiteral("UF0001.UFK"), "120");
    UFKeyListModel model(UFKeyListModel::Kind::RegisteredKeys);
    model.fill();
    const auto back = [&] { return model.index(0, 3).data(Qt::BackgroundRole).value<QColor>(); };
    const auto fore = [&] { return model.index(0, 3).data(Qt::ForegroundRole).value<QColor>(); };
    EXPECT_EQ(back(), QColor(Qt::white));
    EXPECT_EQ(fore(), QColor(Qt::black));
    model.paintRow(0, UFRowPaint::Sending);
    EXPECT_EQ(back(), QColor(0, 255, 0));
    EXPECT_EQ(fore(), QColor(Qt::white));
    model.paintRow(0, UFRowPaint::Selected);
    EXPECT_EQ(fore(), QColor(Qt::white));
    EXPECT_EQ(model.paintOfRow(0), UFRowPaint::Selected);
}

} // namespace
