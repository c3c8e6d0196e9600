#include "ui/widgets/one_line_text.h"

#include <QLineEdit>
#include <QString>

namespace {

bool isLineEnd(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The length of the line end (CR LF, LF or CR) that starts at `at`; 0 for none.
int lineEndAt(const QString& text, int at) {
    if (at < 0 || at >= text.size() || !isLineEnd(text.at(at)))
        return 0;
    return text.at(at) == QLatin1Char('\r') && at + 1 < text.size() && text.at(at + 1) == QLatin1Char('\n')
               ? 2
               : 1;
}

} // namespace

QString keptOnOneLine(QString text, int& cursor) {
    for (const int length : {2, 1})
        if (cursor >= length && lineEndAt(text, cursor - length) == length) {
            text.remove(cursor - length, length);
            cursor -= length;
            break;
        }
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i) == QLatin1Char('\t') ? 1 : lineEndAt(text, i);
        if (length == 0)
            continue;
        text.replace(i, length, QLatin1Char(' '));
        if (cursor > i)
            cursor -= length - 1;
    }
    return text;
}

void keepOnOneLine(QLineEdit& box) {
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box](const QString& text) {
        int cursor = box.cursorPosition();
        const QString kept = keptOnOneLine(text, cursor);
        if (kept == text)
            return;
        box.setText(kept);
        box.setCursorPosition(cursor);
    });
}
