// The program speaks Japanese whatever the locale, and so must what Qt draws
// for it: the file and colour dialogs, the standard buttons of Qt's own
// message boxes, the context menus of text boxes.
#pragma once

// Installs Qt's own Japanese catalogue (qtbase_ja from Qt's translations
// folder) on the application. Returns false, changing nothing, when the
// catalogue is not installed: Qt then speaks English, and the program works
// as before. Needs the QCoreApplication to exist; call once.
bool installQtJapanese();
