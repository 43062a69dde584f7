#include <QAbstractButton>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/color_dialog.h"
#include "core/file_dialogs.h"
#include "core/settings.h"
#include "modal_dialog_driver.h"

namespace {

class FileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        ASSERT_TRUE(dir_.isValid());
        saved_ = settings().OpenFileFolder;
    }
    void TearDown() override { settings().OpenFileFolder = saved_; }

    QString makeFile(const QString& folder, const QString& name) {
        QDir().mkpath(folder);
        QFile f(folder + u'/' + name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        return f.fileName();
    }

    // Picks path in the next file dialog, as a user choosing it does.
    static void chooseInNextDialog(const QString& path) {
        whenModalOpens("QFileDialog", [path](QWidget* w) {
            auto* d = static_cast<QFileDialog*>(w);
            d->selectFile(path);
            static_cast<QDialog*>(d)->accept();
        });
    }

    QTemporaryDir dir_;
    QString saved_;
};

TEST_F(FileDialogTest, FileOpenDlgReturnsTheWholePathAndRemembersItsFolder) {
    // Far beyond the 250 characters the dialog's buffer once held.
    QString folder = dir_.path();
    while (folder.size() < 400)
        folder += QStringLiteral("/受信ログの保存フォルダ");
    const QString path = makeFile(folder, QStringLiteral("データ.bin"));
    settings().OpenFileFolder = dir_.path() + u'/';

    QString title;
    whenModalOpens("QFileDialog", [&title, path](QWidget* w) {
        title = w->windowTitle();
        auto* d = static_cast<QFileDialog*>(w);
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(FileOpenDlg(), path);
    EXPECT_EQ(title, QStringLiteral("ファイルを開く"));
    EXPECT_EQ(settings().OpenFileFolder, folder + u'/');
}

TEST_F(FileDialogTest, FileOpenDlgCancelledKeepsTheFolder) {
    settings().OpenFileFolder = dir_.path() + u'/';
    whenModalOpens("QFileDialog", [](QWidget* w) { static_cast<QFileDialog*>(w)->reject(); });
    EXPECT_EQ(FileOpenDlg(), QString());
    EXPECT_EQ(settings().OpenFileFolder, dir_.path() + u'/');
}

TEST_F(FileDialogTest, ShowOpenFillsTheRecordAndShowSaveAsksBeforeReplacing) {
    const QString path = makeFile(dir_.path(), QStringLiteral("CONSOLE.TXT"));
    const QString filter =
        QStringLiteral("テキスト(*.TXT)") + QChar(0) + QStringLiteral("*.TXT") + QChar(0);
    OPENFILENAME ofn;
    ofn.lpstrInitialDir = dir_.path();
    ofn.Flags = 0x180C;
    chooseInNextDialog(path);
    EXPECT_EQ(ShowOpen(nullptr, filter, ofn), path);
    EXPECT_EQ(ofn.lpstrFileTitle, QStringLiteral("CONSOLE.TXT"));
    EXPECT_EQ(chosenFolder(ofn), dir_.path() + u'/');
    EXPECT_EQ(ofn.lpstrFile.mid(ofn.nFileExtension), QStringLiteral("TXT"));

    bool confirms = false;
    whenModalOpens("QFileDialog", [&confirms](QWidget* w) {
        auto* d = static_cast<QFileDialog*>(w);
        confirms = !d->testOption(QFileDialog::DontConfirmOverwrite) &&
                   d->acceptMode() == QFileDialog::AcceptSave;
        d->reject();
    });
    OPENFILENAME save;
    EXPECT_TRUE(ShowSave(nullptr, filter, save).isNull());
    EXPECT_TRUE(confirms);
    EXPECT_EQ(save.Flags, 0x180E);
}

QStringList buttonTexts(QWidget* dialog) {
    QStringList texts;
    for (const QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
        texts << b->text();
    return texts;
}

TEST_F(FileDialogTest, QtsOwnTextsInTheDialogsAreJapanese) {
    QStringList texts;
    whenModalOpens("QFileDialog", [&texts](QWidget* w) {
        auto* d = static_cast<QFileDialog*>(w);
        texts << buttonTexts(d) << d->labelText(QFileDialog::LookIn)
              << d->labelText(QFileDialog::FileName);
        d->reject();
    });
    FileOpenDlg();

    // The save dialog asks with Qt's message box before it replaces a file.
    const QString path = makeFile(dir_.path(), QStringLiteral("CONSOLE.TXT"));
    whenModalOpens("QFileDialog", [path](QWidget* w) {
        auto* d = static_cast<QFileDialog*>(w);
        d->selectFile(path);
        // From the dialog's own loop, so that the question is answered here.
        QMetaObject::invokeMethod(static_cast<QDialog*>(d), &QDialog::accept, Qt::QueuedConnection);
    });
    whenModalOpens("QMessageBox", [&texts](QWidget* w) {
        auto* question = static_cast<QMessageBox*>(w);
        texts << question->button(QMessageBox::Yes)->text()
              << question->button(QMessageBox::No)->text();
        whenModalOpens("QFileDialog", [](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
        question->button(QMessageBox::No)->click();
    });
    OPENFILENAME save;
    save.lpstrInitialDir = dir_.path();
    EXPECT_TRUE(ShowSave(nullptr, QString(), save).isNull());

    whenModalOpens("QColorDialog", [&texts](QWidget* w) {
        texts << buttonTexts(w);
        static_cast<QDialog*>(w)->reject();
    });
    ShowColorDialog(nullptr, 0);

    // "OK" reads the same in Japanese.
    EXPECT_EQ(texts.join(u'|'), QStringLiteral("開く(&O)|キャンセル|アドレス:|ファイル名(&N):|"
                                               "はい(&Y)|いいえ(&N)|OK|キャンセル"));
}

TEST(FileDialogFilters, RecordFiltersBecomeQtFilters) {
    const QChar nul(0);
    EXPECT_EQ(qtNameFilters(QStringLiteral("すべてのファイル(*.*)") + nul + "*.*" + nul),
              QStringLiteral("すべてのファイル(*)"));
    EXPECT_EQ(qtNameFilters(QStringLiteral("ログ") + nul + "*.log;*.txt" + nul + "CSV" + nul +
                            "*.csv" + nul),
              QStringLiteral("ログ(*.log *.txt);;CSV(*.csv)"));
    EXPECT_EQ(qtNameFilters(QString()), QString());
}

class ColorDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        saved_ = settings().CustomColors;
        settings().CustomColors.fill(0xFFFFFF);
    }
    void TearDown() override { settings().CustomColors = saved_; }
    std::array<int32_t, 16> saved_{};
};

TEST_F(ColorDialogTest, ConfirmedCustomColoursAreKeptCancelledOnesAreNot) {
    // The user defines a custom colour and cancels: the colour is dropped.
    whenModalOpens("QColorDialog", [](QWidget* w) {
        QColorDialog::setCustomColor(2, QColor(1, 2, 3));
        static_cast<QColorDialog*>(w)->reject();
    });
    EXPECT_EQ(ShowColorDialog(nullptr, 0x123456), -1);
    EXPECT_EQ(settings().CustomColors[2], 0xFFFFFF);

    // The next dialog offers the stored colours again, and a confirmed one stays.
    QColor offered;
    QColor startColour;
    whenModalOpens("QColorDialog", [&](QWidget* w) {
        auto* d = static_cast<QColorDialog*>(w);
        offered = QColorDialog::customColor(2);
        startColour = d->currentColor();
        QColorDialog::setCustomColor(5, QColor(0x10, 0x20, 0x30));
        d->setCurrentColor(QColor(0xFE, 0, 0));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(ShowColorDialog(nullptr, 0x123456), 0x0000FE);
    EXPECT_EQ(offered, QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(startColour, QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(settings().CustomColors[5], 0x302010);
}

} // namespace
