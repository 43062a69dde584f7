// The program's entry: the application object, start-up, then the event loop
// until the end procedure ends the process.
#include <QApplication>
#include <QStyleFactory>

#include "core/end_procedure.h"
#include "core/startup.h"
#include "terminal/t_term_frm.h"
#include "ui/fonts.h"
#include "ui/process_end.h"
#include "ui/qt_language.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Fusion paints button and label back colours, which the lamps rely on.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    fonts::installSubstitutions();
    installQtJapanese();

    const bool started = Main([] { mainForm().show(); });
    if (!started) endProcessNow(0); // another copy runs from this folder

    // Only now is there something to save: an outside end before this point
    // must not write defaults over the settings file.
    installExternalEnd([] { VELDRAKON_END(); });
    return app.exec();
}
