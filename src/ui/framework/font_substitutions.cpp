#include "ui/framework/font_substitutions.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The bitmap "MS Sans Serif" of fonts-wine. Debian's fontconfig leaves bitmap
// fonts out, so the program loads it itself.
constexpr const char* kBitmapSansSerif = "/usr/share/wine/fonts/ms_sans_serif.ttf";

// The one size at which the definitions' own face is used: the bitmap "MS
// Sans Serif" has the classic 13-pixel line of the 8.25-point dialog font,
// and nothing but bitmaps; at any other size or weight it would be scaled or
// smeared, so its look-alikes stand in.
struct Strike {
    const char* face;
    double points;
    int weight;
};
constexpr Strike kBitmapStrikes[] = {
    {"MS Sans Serif", 8.25, QFont::Normal},
};

struct Substitution {
    const char* face;
    const char* lookAlike;
    const char* fallback;
};

// The look-alikes were chosen by measuring every caption of every window in
// its definition's face and size against its box (tests/ui/windows/
// tst_captions_fit.cpp checks them). Liberation Sans is metric-compatible
// with Arial and keeps every bold "MS Sans Serif" caption inside its box (the
// Tahoma of fonts-wine would too, but its bold is hardly bolder than its
// regular); URW Bookman and P052 are the Bookman and Palatino designs. Where
// a caption is still wider than its box it is condensed just enough
// (caption_fit.cpp). Without the recommended font packages the DejaVu faces
// keep the captions readable: the condensed ones, nearest in width, else the
// plain ones that every Debian system has.
// clang-format off
//   face named in the definitions  look-alike         fallback
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif",               "Liberation Sans", "DejaVu Sans"},
    {"Arial",                       "Liberation Sans", "DejaVu Sans"},
    {"Bookman Old Style",           "URW Bookman",     "DejaVu Serif"},
    {"Book Antiqua",                "P052",            "DejaVu Serif"},
};
// clang-format on

} // namespace

void installFontSubstitutions() {
    QFontDatabase::addApplicationFont(QString::fromLatin1(kBitmapSansSerif));
    for (const Substitution& each : kSubstitutions)
        QFont::insertSubstitutions(QString::fromLatin1(each.face),
                                   {QString::fromLatin1(each.lookAlike),
                                    QString::fromLatin1(each.fallback) + QStringLiteral(" Condensed"),
                                    QString::fromLatin1(each.fallback)});
}

QFont::StyleStrategy fontStrategy(const char* face, double points, int weight) {
    for (const Strike& strike : kBitmapStrikes)
        if (qstrcmp(strike.face, face) == 0 && strike.points == points && strike.weight == weight)
            return QFont::PreferBitmap;
    return QFont::ForceOutline;
}
