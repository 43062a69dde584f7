// The program names its fonts as the designer did ("ＭＳ ゴシック" ...); they
// are drawn with the IPA fonts of the same shape. Stored settings keep the
// program's names; only drawing substitutes.
#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// The family drawn for a program font name; other names are returned as given.
QString drawnFamily(const QString& programName);

// Registers the substitutions with Qt, so that any QFont made with a program
// name draws with its IPA font. Called once at start-up (and by tests).
void installSubstitutions();

// A font by program name and point size.
QFont programFont(const QString& programName, double pointSize);

} // namespace fonts
