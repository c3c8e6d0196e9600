#include "ui/framework/classic_look.h"

#include "ui/framework/classic_palette.h"
#include "ui/framework/classic_style.h"
#include "ui/framework/font_spec.h"
#include "ui/framework/font_substitutions.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QToolTip>

void installClassicLook() {
    // The style first: setting it fetches the desktop theme's palettes again.
    QApplication::setStyle(new ClassicStyle);
    installFontSubstitutions();
    const QFont dialogFont = makeFont(kDefaultFont);
    QApplication::setFont(dialogFont);
    QToolTip::setFont(dialogFont);
    // The application's palette takes the place of every palette a theme set
    // for a class of widgets; tool tips keep one of their own.
    const QPalette colours = classicPalette();
    QApplication::setPalette(colours);
    QToolTip::setPalette(colours);
}
