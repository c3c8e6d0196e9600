#include "ui/framework/font_substitutions.h"

#include <QFont>
#include <QStringList>

namespace {

struct Substitution {
    const char* face;
    const char* installed;
    const char* fallback;
};

// The look-alikes come with the recommended font packages. Without them the
// DejaVu faces keep the captions readable: the condensed ones, nearest in
// width, else the plain ones that every Debian system has.
//  face named in the definitions   installed look-alike   fallback
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"},
    {"Arial", "Liberation Sans", "DejaVu Sans"},
    {"Bookman Old Style", "URW Bookman", "DejaVu Serif"},
    {"Book Antiqua", "P052", "DejaVu Serif"},
};

} // namespace

void installFontSubstitutions() {
    for (const Substitution& each : kSubstitutions)
        QFont::insertSubstitutions(QString::fromLatin1(each.face),
                                   {QString::fromLatin1(each.installed),
                                    QString::fromLatin1(each.fallback) + QStringLiteral(" Condensed"),
                                    QString::fromLatin1(each.fallback)});
}
