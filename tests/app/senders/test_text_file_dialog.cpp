// The text window's save and load dialog: the names a text is saved under,
// the overwrite question and a failed write, what a loaded file puts into
// the box, and the folder it opens on and keeps.
#include "senders/Frms_TxtSend_File_SvLd.h"

#include "core/running_parts.h"
#include "files/file_picker.h"
#include "modal_auto_closer.h"
#include "sender_window_fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <memory>

namespace {

class TextFileDialog : public SenderWindowTest {
  protected:
    void SetUp() override {
        SenderWindowTest::SetUp();
        settings().TxtDirPath = folder_.path();
        box = std::make_unique<QPlainTextEdit>();
    }

    std::unique_ptr<Frms_TxtSend_File_SvLd> opened(Frms_TxtSend_File_SvLd::Mode mode) {
        auto d = std::make_unique<Frms_TxtSend_File_SvLd>(mode);
        d->heldText = "A\r\n\x82\xa0";
        d->loadTarget = box.get();
        d->Form_Load();
        d->show();
        return d;
    }

    // Saves under the typed name, answering the questions that come up.
    void save(Frms_TxtSend_File_SvLd& d, const QString& typed) {
        d.Text1->setText(typed);
        d.Cmd_Save_Click();
    }

    void loadFile(Frms_TxtSend_File_SvLd& d, const QString& name) {
        const QList<QListWidgetItem*> items = d.picker->File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        d.picker->File1->setCurrentItem(items.front());
        d.Cmd_Load_Click();
    }

    QString inFolder(const QString& name) const { return folder_.filePath(name); }

    std::unique_ptr<QPlainTextEdit> box;
};

TEST_F(TextFileDialog, SavesTheExactBytesUnderTheNameAndAsksBeforeOverwriting) {
    for (const auto& [typed, file] : {std::pair{" A.TXT ", "A.TXT"}, std::pair{"b", "b.txt"}}) {
        auto d = opened(Frms_TxtSend_File_SvLd::SaveMode);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("テキストファイルで保存します"));
        save(*d, typed);
        EXPECT_EQ(fileBytes(inFolder(file)), QByteArray("A\r\n\x82\xa0")) << typed;
        EXPECT_FALSE(d->isVisible());
    }

    auto d = opened(Frms_TxtSend_File_SvLd::SaveMode);
    emit d->picker->File1->itemClicked(
        d->picker->File1->findItems("b.txt", Qt::MatchExactly).value(0));
    EXPECT_EQ(d->Text1->text(), QStringLiteral("b.txt")) << "a click takes the file's name";
    writeFileBytes(inFolder("b.txt"), "old");
    clickInNextModal(QStringLiteral("いいえ"));
    d->Cmd_Save_Click();
    EXPECT_EQ(fileBytes(inFolder("b.txt")), QByteArray("old"));
    EXPECT_TRUE(d->isVisible());

    // A folder where the file should be: refused before the question, and
    // the dialog stays.
    ASSERT_TRUE(QDir().mkdir(inFolder("dir.txt")));
    {
        ModalAutoCloser refused;
        save(*d, "dir");
        EXPECT_EQ(refused.texts(), QStringList{QStringLiteral("パス名が無効です｡")});
    }
    EXPECT_TRUE(d->isVisible());

    ModalAutoCloser boxes;
    save(*d, "   ");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("ファイル名に誤りがあります")));
    EXPECT_TRUE(d->isVisible());

    // A name linked to the program's loaded library: refused before the
    // question, the library untouched.
    writeFileBytes(inFolder("lib.so"), "library");
    setLoadedLibraryPath(inFolder("lib.so"));
    ASSERT_TRUE(QFile::link(inFolder("lib.so"), inFolder("lib.txt")));
    save(*d, "lib.txt");
    setLoadedLibraryPath(QString());
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.texts()[1].contains(QStringLiteral("書込みできません｡")));
    EXPECT_EQ(fileBytes(inFolder("lib.so")), QByteArray("library"));
    EXPECT_TRUE(d->isVisible());
}

TEST_F(TextFileDialog, ALoadedFileFillsTheBoxAsFarAsItHolds) {
    for (const auto& [file, shown] :
         {std::pair{"A\r\nB\r\n", "A\nB\n"}, std::pair{"A\r\n\x82\xa0", "A\nあ"}}) {
        writeFileBytes(inFolder("t.txt"), file);
        auto d = opened(Frms_TxtSend_File_SvLd::LoadMode);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("テキストファイルを開きます"));
        loadFile(*d, "t.txt");
        EXPECT_EQ(box->toPlainText(), QString::fromUtf8(shown));
        EXPECT_FALSE(d->isVisible());
    }

    writeFileBytes(inFolder("big.txt"), QByteArray("0123456789\r\n").repeated(3000));
    ModalAutoCloser boxes;
    auto d = opened(Frms_TxtSend_File_SvLd::LoadMode);
    loadFile(*d, "big.txt");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(
        QStringLiteral("ファイルが大きすぎます。許容範囲までをロードします。")));
    EXPECT_EQ(box->toPlainText(), QString("0123456789\n").repeated(2500));
}

TEST_F(TextFileDialog, NoFileOrAnUnreadableOneLeavesTheBoxAsItWas) {
    writeFileBytes(inFolder("gone.txt"), "x");
    box->setPlainText(QStringLiteral("before"));
    ModalAutoCloser boxes;
    auto d = opened(Frms_TxtSend_File_SvLd::LoadMode);
    d->Cmd_Load_Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("ファイルを選択してください｡")));

    // Listed, then replaced by a folder of the same name: the file error,
    // and the dialog stays for another choice.
    ASSERT_TRUE(QFile::remove(inFolder("gone.txt")));
    ASSERT_TRUE(QDir().mkdir(inFolder("gone.txt")));
    loadFile(*d, "gone.txt");
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(d->isVisible());

    // Gone altogether: nothing is loaded and the dialog closes.
    ASSERT_TRUE(QDir().rmdir(inFolder("gone.txt")));
    d->Cmd_Load_Click();
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(box->toPlainText(), QStringLiteral("before"));
}

TEST_F(TextFileDialog, OpensOnItsFolderOrTheProgramsAndKeepsTheFolderShown) {
    ASSERT_TRUE(QDir().mkdir(inFolder("texts")));
    writeFileBytes(inFolder("texts/in.txt"), "x");
    writeFileBytes(inFolder("texts/other.log"), "x");
    settings().TxtDirPath = inFolder("texts");
    EXPECT_EQ(opened(Frms_TxtSend_File_SvLd::SaveMode)->picker->File1->count(), 1)
        << "text files only";
    for (const QString& stored : {inFolder("missing"), QString()}) {
        settings().TxtDirPath = stored;
        opened(Frms_TxtSend_File_SvLd::LoadMode)->close();
        EXPECT_EQ(settings().TxtDirPath, folder_.path()) << stored.toStdString();
    }
}

} // namespace
