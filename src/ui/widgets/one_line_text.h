#pragma once

class QLineEdit;
class QString;

// What a one-line text box keeps of what the user pastes or drops into it,
// so that what it shows is what is searched: the line end that closes the
// inserted text is dropped, every other line end (CR LF, LF or CR) and every
// tab becomes a blank. `cursor` stands right after the inserted text and is
// moved with it.
QString keptOnOneLine(QString text, int& cursor);

// Applies keptOnOneLine to every edit of the user in the box; text that the
// program itself puts there is left as it is.
void keepOnOneLine(QLineEdit& box);
