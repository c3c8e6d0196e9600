#include "ui/framework/font_substitutions.h"

#include <QFont>

namespace {

struct Substitution {
    const char* face;
    const char* installed;
};

//  face named in the definitions   installed look-alike
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Bookman Old Style", "URW Bookman"},
    {"Book Antiqua", "P052"},
};

} // namespace

void installFontSubstitutions() {
    for (const Substitution& each : kSubstitutions)
        QFont::insertSubstitution(QString::fromLatin1(each.face), QString::fromLatin1(each.installed));
}
