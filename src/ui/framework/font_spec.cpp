#include "ui/framework/font_spec.h"

#include "ui/framework/font_substitutions.h"

#include <QFont>

QFont makeFont(const FontSpec& definition) {
    QFont font(QString::fromLatin1(definition.face));
    font.setPointSizeF(definition.points);
    font.setWeight(static_cast<QFont::Weight>(definition.weight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleStrategy(fontStrategy(definition.face, definition.points, definition.weight));
    return font;
}
