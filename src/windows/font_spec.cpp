#include "windows/font_spec.h"

#include <QFont>

QFont makeFont(const FontSpec& spec) {
    QFont font(QString::fromLatin1(spec.face));
    font.setPointSizeF(spec.points);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}
