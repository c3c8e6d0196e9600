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

QString scrambled(const QString& w) {
    return fromCodePoints(tovrel::scramble(codePoints(w)));
}

} // namespace

void formain::Command5_Click() {
    Text1->clear();
    if (Text2->text().isEmpty()) {
        desktop_.showMessage(this, QString::fromLatin1(kRandomizeEmptyInput));
        return;
    }
    Text1->setPlainText(scrambled(Text2->text()));
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
    Text2->setText(scrambled(QString::fromLatin1(w.record.data(), qsizetype(w.record.size()))));
}
