// The text window's byte rules on a full box (30,000 characters as stored,
// ASCII, line breaks and kanji mixed): the counts the window redraws at
// every change, the conversion to the bytes that go on the line, and the
// round trip through the temporary file; then the whole-text send of that
// text to a far side that reads as fast as it can, through the window.
#include <benchmark/benchmark.h>

#include "bench_pty_port.h"
#include "core/program_folder.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "senders/Frms_TxtSend.h"
#include "senders/text_file.h"
#include "ui/text_length_limit.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

#include <atomic>
#include <thread>

namespace {

// Lines of ASCII and kanji until the box is full.
QString fullBoxText() {
    const QString line = QStringLiteral("Sensor 12: 温度 23.5 度、湿度 45 %、状態正常 OK\n");
    QString text;
    while (storedLength(text) + storedLength(line) <= kTxtSendMaxChars)
        text += line;
    return text + QString(kTxtSendMaxChars - storedLength(text), u'x');
}

// What the window does at every change of its text: both counts.
void BM_TextCounts(benchmark::State& state) {
    ensureBenchApplication();
    QPlainTextEdit box;
    box.setPlainText(fullBoxText());
    QTextCursor cursor(box.document());
    cursor.setPosition(100);
    cursor.setPosition(box.document()->characterCount() - 100, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    for (auto _ : state) {
        benchmark::DoNotOptimize(textBoxBytes(box.toPlainText()).size());
        benchmark::DoNotOptimize(textBoxBytes(textBoxSelection(&box)).size());
    }
}
BENCHMARK(BM_TextCounts)->Unit(benchmark::kMicrosecond);

void BM_TextToCp932(benchmark::State& state) {
    ensureBenchApplication();
    const QString text = fullBoxText();
    for (auto _ : state)
        benchmark::DoNotOptimize(textBoxBytes(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * textBoxBytes(text).size());
}
BENCHMARK(BM_TextToCp932)->Unit(benchmark::kMicrosecond);

// Written as a send or a close writes it, read back as an opening reads it.
void BM_TempFileRoundTrip(benchmark::State& state) {
    ensureBenchApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VELDRAKONTXTENT.TMP"));
    const QString text = fullBoxText();
    for (auto _ : state) {
        writeTextFile(path, textBoxBytes(text));
        const TextFileRead read = readTextForBox(path, kTxtSendMaxChars);
        if (read.cut || textBoxShown(read.bytes) != text)
            state.SkipWithError("the text came back changed");
    }
}
BENCHMARK(BM_TempFileRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_WholeTextSendToPty(benchmark::State& state) {
    ensureBenchApplication();
    FarSide far;
    LibraryPort port(far, "921600,0,8,0,0");
    if (!port.openOrSkip(state)) return;
    // The library is bound by now; the window's temporary files go to a
    // folder of the benchmark's own, not beside the program.
    QTemporaryDir folder;
    setProgramFolderForTests(folder.path().toStdString());
    settings().TxtKuriFlg = 0;

    Frms_TxtSend window;
    window.Form_Load();
    window.Text1->setPlainText(fullBoxText());
    const int64_t expected = textBoxBytes(window.Text1->toPlainText()).size();
    for (auto _ : state) {
        std::atomic<int64_t> received{0};
        std::thread reader(readFarSide, far.fd(), expected, std::ref(received));
        window.Command1_Click();
        reader.join();
        if (received != expected) state.SkipWithError("the far side did not get the whole text");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * expected);
    setProgramFolderForTests("");
}
BENCHMARK(BM_WholeTextSendToPty)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
