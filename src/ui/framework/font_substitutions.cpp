#include "ui/framework/font_substitutions.h"

#include <QFont>
#include <QStringList>

namespace {

struct Substitution {
    const char* face;
    const char* installed;
    const char* fallback;
};

// The look-alikes come with the recommended font packages; without them the
// DejaVu faces, which every Debian system has, keep the captions readable.
//  face named in the definitions   installed look-alike   fallback
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif", "Liberation Sans", "DejaVu Sans Condensed"},
    {"Arial", "Liberation Sans", "DejaVu Sans Condensed"},
    {"Bookman Old Style", "URW Bookman", "DejaVu Serif Condensed"},
    {"Book Antiqua", "P052", "DejaVu Serif Condensed"},
};

} // namespace

void installFontSubstitutions() {
    for (const Substitution& each : kSubstitutions)
        QFont::insertSubstitutions(QString::fromLatin1(each.face),
                                   {QString::fromLatin1(each.installed), QString::fromLatin1(each.fallback)});
}
