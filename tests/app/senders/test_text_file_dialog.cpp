// The text window's save and load dialog: the names a text is saved under,
// the overwrite question and a failed write, what a loaded file puts into
// the box, and the folder it opens on and keeps.
#include "senders/Frms_TxtSend_File_SvLd.h"

#include "files/file_picker.h"
#include "modal_auto_closer.h"
#include "sender_window_fixture.h"
#include "senders/Frms_TxtSend.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <memory>

namespace {

class TextFileDialog : public SenderWindowTest {
  protected:
    void SetUp() override {
        SenderWindowTest::SetUp();
        folder = folder_.path();
        settings().TxtDirPath = folder;
    }

    std::unique_ptr<Frms_TxtSend_File_SvLd> saving(const QByteArray& text) {
        auto d = std::make_unique<Frms_TxtSend_File_SvLd>(Frms_TxtSend_File_SvLd::SaveMode);
        d->heldText = text;
        d->Form_Load();
        d->show();
        return d;
    }

    std::unique_ptr<Frms_TxtSend_File_SvLd> loadingInto(QPlainTextEdit* box) {
        auto d = std::make_unique<Frms_TxtSend_File_SvLd>(Frms_TxtSend_File_SvLd::LoadMode);
        d->loadTarget = box;
        d->Form_Load();
        d->show();
        return d;
    }

    static void selectFile(Frms_TxtSend_File_SvLd& d, const QString& name) {
        const QList<QListWidgetItem*> items = d.picker->File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        d.picker->File1->setCurrentItem(items.front());
    }

    QString inFolder(const QString& name) const { return folder + u'/' + name; }

    QString folder;
};

TEST_F(TextFileDialog, SavesTheExactBytesUnderTheNameAsTyped) {
    const QByteArray text = "A\r\n\x82\xa0";
    struct Case {
        QString typed, file;
    };
    for (const Case& c : {Case{"a.txt", "a.txt"}, Case{"A.TXT", "A.TXT"}, Case{"b", "b.txt"},
                          Case{" memo ", "memo.txt"}}) {
        auto d = saving(text);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("テキストファイルで保存します"));
        EXPECT_FALSE(d->Cmd_Load->isVisible());
        d->Text1->setText(c.typed);
        d->Cmd_Save_Click();
        EXPECT_EQ(fileBytes(inFolder(c.file)), text) << c.typed.toStdString();
        EXPECT_EQ(d->Text1->text(), c.file);
        EXPECT_FALSE(d->isVisible());
    }

    // A click on a listed file takes its name.
    auto d = saving(text);
    QListWidgetItem* listed = d->picker->File1->findItems(QStringLiteral("b.txt"), Qt::MatchExactly).value(0);
    ASSERT_NE(listed, nullptr);
    emit d->picker->File1->itemClicked(listed);
    EXPECT_EQ(d->Text1->text(), QStringLiteral("b.txt"));
}

TEST_F(TextFileDialog, AnExistingFileIsOverwrittenOnlyWhenTheAnswerIsYes) {
    storeFile(inFolder("old.txt"), "old content");
    auto d = saving("new");
    d->Text1->setText(QStringLiteral("old"));
    clickInNextModal(QStringLiteral("いいえ"));
    d->Cmd_Save_Click();
    EXPECT_EQ(fileBytes(inFolder("old.txt")), QByteArray("old content"));
    EXPECT_TRUE(d->isVisible());

    clickInNextModal(QStringLiteral("はい"));
    d->Cmd_Save_Click();
    EXPECT_EQ(fileBytes(inFolder("old.txt")), QByteArray("new"));
    EXPECT_FALSE(d->isVisible());

    // A folder where the file should be: Yes, and the write fails.
    ASSERT_TRUE(QDir().mkdir(inFolder("dir.txt")));
    auto failing = saving("new");
    failing->Text1->setText(QStringLiteral("dir"));
    bool errorShown = false;
    whenNextModalOpens([&](QWidget* question) {
        whenNextModalOpens([&](QWidget* error) {
            errorShown = true;
            error->close();
        });
        findButton(question, QStringLiteral("はい"))->click();
    });
    failing->Cmd_Save_Click();
    EXPECT_TRUE(errorShown);
    EXPECT_TRUE(failing->isVisible());
}

TEST_F(TextFileDialog, AnEmptyNameIsRefused) {
    ModalAutoCloser boxes;
    auto d = saving("new");
    d->Text1->setText(QStringLiteral("   "));
    d->Cmd_Save_Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("ファイル名に誤りがあります")));
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->Text1->text().isEmpty());
}

TEST_F(TextFileDialog, ALoadedFileFillsTheBoxAsFarAsItHolds) {
    struct Case {
        QByteArray file;
        QString shown;
    };
    const Case cases[] = {
        {"A\r\nB\r\n", "A\nB\n"},
        {"A\r\nB", "A\nB"},
        {QByteArray("AB\0", 3), QString("AB") + QChar(0) + ' '},
        {"\x82\xa0", "あ"},
    };
    for (const Case& c : cases) {
        storeFile(inFolder("t.txt"), c.file);
        QPlainTextEdit box;
        auto d = loadingInto(&box);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("テキストファイルを開きます"));
        EXPECT_FALSE(d->Text1->isVisible());
        selectFile(*d, QStringLiteral("t.txt"));
        d->Cmd_Load_Click();
        EXPECT_EQ(box.toPlainText(), c.shown) << c.file.toHex(' ').toStdString();
        EXPECT_FALSE(d->isVisible());
    }

    storeFile(inFolder("big.txt"), QByteArray("0123456789\r\n").repeated(3000));
    QPlainTextEdit box;
    ModalAutoCloser boxes;
    auto d = loadingInto(&box);
    selectFile(*d, QStringLiteral("big.txt"));
    d->Cmd_Load_Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("ファイルが大きすぎます。許容範囲までをロードします。")));
    EXPECT_EQ(box.toPlainText(), QString("0123456789\n").repeated(2500));
}

TEST_F(TextFileDialog, NoFileOrAnUnreadableOneLeavesTheBoxAsItWas) {
    storeFile(inFolder("gone.txt"), "x");
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("before"));
    ModalAutoCloser boxes;
    auto d = loadingInto(&box);
    d->Cmd_Load_Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("ファイルを選択してください｡")));

    // Listed, then replaced by a folder of the same name.
    selectFile(*d, QStringLiteral("gone.txt"));
    ASSERT_TRUE(QFile::remove(inFolder("gone.txt")));
    ASSERT_TRUE(QDir().mkdir(inFolder("gone.txt")));
    d->Cmd_Load_Click();
    EXPECT_EQ(boxes.count(), 2) << "the file error";
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(box.toPlainText(), QStringLiteral("before"));

    // Gone altogether: nothing happens and the dialog closes.
    ASSERT_TRUE(QDir().rmdir(inFolder("gone.txt")));
    d->Cmd_Load_Click();
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(box.toPlainText(), QStringLiteral("before"));
}

TEST_F(TextFileDialog, OpensOnItsFolderOrTheProgramsAndKeepsTheFolderShown) {
    ASSERT_TRUE(QDir().mkdir(inFolder("texts")));
    storeFile(inFolder("texts/in.txt"), "x");
    storeFile(inFolder("texts/other.log"), "x");
    struct Case {
        QString stored, shown;
    };
    for (const Case& c : {Case{inFolder("texts"), inFolder("texts")}, Case{inFolder("missing"), folder},
                          Case{QString(), folder}}) {
        settings().TxtDirPath = c.stored;
        auto d = saving("x");
        EXPECT_EQ(d->picker->filePath(), c.shown) << c.stored.toStdString();
        d->close();
        EXPECT_EQ(settings().TxtDirPath, c.shown);
    }
    settings().TxtDirPath = inFolder("texts");
    auto d = saving("x");
    ASSERT_EQ(d->picker->File1->count(), 1) << "text files only";
    EXPECT_EQ(d->picker->File1->item(0)->text(), QStringLiteral("in.txt"));
}

} // namespace
