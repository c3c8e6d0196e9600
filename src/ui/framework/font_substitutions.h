#pragma once

// Maps the face names of the window definitions to the installed look-alikes
// (Liberation Sans, URW Bookman, P052). Called once at start-up.
void installFontSubstitutions();
