#include "ui/windows/main/formain.h"

#include "core/game/scramble.h"
#include "core/game/word_draw.h"
#include "ui/framework/code_points.h"
#include "ui/framework/desktop.h"
#include "ui/widgets/results_box.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr char kRandomizeEmptyInput[] = "Please enter the word first in the INPUT BOX";
// Beyond this many characters the scramble takes its one-pass form, which gives
// the same text in linear rather than quadratic time.
constexpr qsizetype kLongText = 256;

} // namespace

QString formain::ReverseIt(const QString& s, int n) const {
    return fromCodePoints(tovrel::reversePrefix(codePoints(s), n));
}

// ReverseIt with the counts 0, 1, 2, ... up to the length, each on the text
// the one before left.
QString formain::scramble(QString w) const {
    const std::u32string characters = codePoints(w);
    if (qsizetype(characters.size()) > kLongText)
        return fromCodePoints(tovrel::scrambleInOnePass(characters));
    for (int n = 0; n <= int(characters.size()); ++n)
        w = ReverseIt(w, n);
    return w;
}

void formain::Command5_Click() {
    Text1->clear();
    if (Text2->text().isEmpty()) {
        desktop_.showMessage(this, QString::fromLatin1(kRandomizeEmptyInput));
        return;
    }
    Text1->setPlainText(scramble(Text2->text()));
}

// The word game: a record drawn from the word list, scrambled into Text2.
void formain::Command2_Click() {
    Text1->clear();
    Label4->setText(QString());
    desktop_.seedRandomFromClock();
    const int r1 = tovrel::drawOffset(desktop_.nextRandom());
    const int r2 = tovrel::drawOffset(desktop_.nextRandom());
    const int r3 = tovrel::drawOffset(desktop_.nextRandom());
    const tovrel::DrawnRecord w = tovrel::recordAt(wordList_, std::uint64_t(r1 + r2 + r3));
    if (w.error) {
        showUnreadableWordList(*w.error);
        return;
    }
    Text2->setText(scramble(QString::fromLatin1(w.record.data(), qsizetype(w.record.size()))));
}
