#pragma once

class QString;

// The word list the program reads and appends to: dictionary.txt in the folder
// of the program itself, as a full path.
QString dictionaryBesideProgram();
