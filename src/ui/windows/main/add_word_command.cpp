#include "ui/windows/main/formain.h"

#include "core/wordlist/record_appender.h"
#include "core/wordlist/word_list.h"
#include "ui/framework/desktop.h"
#include "ui/widgets/results_box.h"

#include <QLineEdit>

namespace {

constexpr char kAddWordEmptyInput[] = "Please Enter The Word First In the INPUT BOX";

QString notAdded(const QString& word, const std::string& reason) {
    return QStringLiteral("The Word %1 was not added to the Dictionary: %2.")
        .arg(word, QString::fromLocal8Bit(reason.c_str()));
}

} // namespace

// Appends the typed word to the word list, as typed, once the user agrees: to
// the list itself, or to the user's own added words where the list is not
// theirs to change.
void formain::Command6_Click() {
    const QString word = Text2->text();
    if (word.isEmpty()) {
        desktop_.showMessage(this, QString::fromLatin1(kAddWordEmptyInput));
        return;
    }
    // A word the list cannot hold is turned away before the user is asked.
    if (const auto refused = tovrel::checkAppendable(typedWord())) {
        desktop_.showMessage(this, notAdded(word, refused->reason));
        return;
    }
    if (!desktop_.confirm(this, QStringLiteral("Are you sure you want to add ") + word +
                                    QStringLiteral(" to the dictionary")))
        return;
    if (const auto failed = wordList_.append(typedWord())) {
        desktop_.showMessage(this, notAdded(word, failed->reason));
        return;
    }
    Text1->setPlainText(QStringLiteral("The Word ") + word +
                        QStringLiteral(" was successfully added to the Dictionary"));
}
