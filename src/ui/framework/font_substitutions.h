#pragma once

#include <QFont>

// Maps the face names of the window definitions to installed look-alikes,
// chosen by measuring the definitions' captions (see font_substitutions.cpp).
// Called once at start-up, before any window is built.
void installFontSubstitutions();

// Whether a font of the definitions (face, size in points, weight) is drawn
// from a bitmap strike of its own face (PreferBitmap) or from an outline
// look-alike (ForceOutline).
QFont::StyleStrategy fontStrategy(const char* face, double points, int weight);
