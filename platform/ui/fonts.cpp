#include "ui/fonts.h"

#include <array>
#include <utility>

namespace fonts {
namespace {

// Program name -> the font installed in its place (fonts-ipafont-gothic and
// fonts-ipafont-mincho).
const std::array<std::pair<const char16_t*, const char16_t*>, 3> kSubstitutes{{
    {u"ＭＳ ゴシック", u"IPAGothic"},
    {u"ＭＳ Ｐゴシック", u"IPAPGothic"},
    {u"ＭＳ 明朝", u"IPAMincho"},
}};

} // namespace

QString drawnFamily(const QString& programName) {
    for (const auto& [name, drawn] : kSubstitutes)
        if (programName == QStringView(name)) return QString::fromUtf16(drawn);
    return programName;
}

void installSubstitutions() {
    for (const auto& [name, drawn] : kSubstitutes)
        QFont::insertSubstitution(QString::fromUtf16(name), QString::fromUtf16(drawn));
}

QFont programFont(const QString& programName, double pointSize) {
    QFont font(drawnFamily(programName));
    if (pointSize > 0) font.setPointSizeF(pointSize);
    return font;
}

} // namespace fonts
