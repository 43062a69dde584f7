// The one QApplication of the program's benchmarks, made on first use: the
// program's name (which names its temporary files), its font substitutions,
// and no display needed unless one is asked for through QT_QPA_PLATFORM.
#pragma once

#include "ui/fonts.h"

#include <QApplication>

inline void ensureBenchApplication() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "VELDRAKON";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    fonts::installSubstitutions();
}
