// What the data-view benchmarks share: the application their offscreen
// windows need, and bytes as a line carries them.
#pragma once

#include <benchmark/benchmark.h>

#include "bench_application.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdint>
#include <random>
#include <vector>

// Text with Shift-JIS characters and control codes, then random binary.
inline std::vector<uint8_t> mixedBytes(std::size_t n) {
    std::mt19937 random(7);
    const char text[] = "TEMP \x88\xB3\x97\xCD \xB1\xB2\t=25.0\r\n";
    std::vector<uint8_t> bytes;
    while (bytes.size() < n) {
        bytes.insert(bytes.end(), text, text + sizeof text - 1);
        for (int i = 0; i < 24; ++i)
            bytes.push_back(static_cast<uint8_t>(random()));
    }
    bytes.resize(n);
    return bytes;
}

// A sparse file of 5 GiB in the folder, or "" (the benchmark skipped) where
// the file system has no room for one.
inline QString sparseFiveGibibyteFile(const QTemporaryDir& dir, benchmark::State& state) {
    const QString path = dir.filePath(QStringLiteral("sparse.bin"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || !f.resize(int64_t{5} << 30)) {
        state.SkipWithError("no room for a sparse file");
        return {};
    }
    return path;
}

// The thumb of a view's position bar let go anywhere, once an iteration.
inline void thumbJumps(benchmark::State& state, QScrollBar* bar) {
    std::mt19937 random(3);
    for (auto _ : state)
        bar->setValue(static_cast<int>(random() % 30001));
}
