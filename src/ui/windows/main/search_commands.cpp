#include "ui/windows/main/formain.h"

#include "core/search/messages.h"
#include "core/wordlist/latin1.h"
#include "ui/framework/control_colours.h"
#include "ui/framework/desktop.h"
#include "ui/framework/window_surface.h"
#include "ui/widgets/results_box.h"
#include "ui/windows/main/secondary_windows.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

namespace {

constexpr char kKorrinMessage[] = "Korrin! you will surely get through the MBA, all my hardwork can't go in "
                                  "vain--- yes you heard it right my "
                                  "hard work... ha ha ha-- all the best buddy";
constexpr char kSelectChoice[] = "Please Select Your choice";
constexpr char kExtendedNotice[] =
    "Extended Anagram is an Extensive Search Technique and May Take some time... "
    "Please be patient if you use an Slower Processor";
constexpr ColourValue kLockedBackground = 0x00646464; // red, green and blue 100

// The typed word lower-cased as a whole equals the keyword: a blank before or
// after it defeats it.
bool isKeyword(std::u32string typed, std::u32string_view keyword) {
    for (char32_t& c : typed)
        c = tovrel::toLower(c);
    return typed == keyword;
}

} // namespace

void formain::Command1_Click() {
    runSearchCommand(SearchCommand::GetAnagrams);
}

void formain::Command7_Click() {
    runSearchCommand(SearchCommand::CountOnly);
}

void formain::runSearchCommand(SearchCommand command) {
    // The count-only command removes the matches at its end, before the window
    // repaints; it never builds their text at all.
    const tovrel::Listing listing =
        command == SearchCommand::CountOnly ? tovrel::Listing::CountOnly : tovrel::Listing::Text;
    resultCounter_ = 0;
    Text1->clear();
    if (isKeyword(typedWord(), U"korrin"))
        desktop_.showMessage(this, QString::fromLatin1(kKorrinMessage));
    if (isKeyword(typedWord(), U"velmira"))
        enterLockedMode(command);
    if (Text2->text().isEmpty()) {
        desktop_.showMessage(this, QString::fromLatin1(tovrel::messages::kEmptyInput));
    } else if (!Option1->isChecked() && !Option2->isChecked() && !Option3->isChecked() &&
               !Option4->isChecked()) {
        desktop_.showMessage(this, QString::fromLatin1(kSelectChoice));
    } else {
        // Each option is read afresh just before its turn.
        if (Option1->isChecked())
            completes(listing);
        if (Option2->isChecked())
            extends(listing);
        if (Option3->isChecked())
            partials(listing);
        if (Option4->isChecked())
            extra_extended(listing);
    }
    Label4->setText(QString::number(resultCounter_));
    if (command == SearchCommand::CountOnly)
        Text1->clear();
}

// The state the second keyword leaves the window in until the program ends.
void formain::enterLockedMode(SearchCommand command) {
    setControlBackground(*surface, kLockedBackground);
    const auto hide = [](std::initializer_list<QWidget*> controls) {
        for (QWidget* control : controls)
            control->setVisible(false);
    };
    hide({Text1, Text2, Command1, Command2, Command3});
    if (command == SearchCommand::CountOnly)
        hide({Command4});
    hide({Command5, Command6, Command7, Command8, Label1, Label2, Label3, Label4, Label8, Label6, Shape1,
          Shape2, Option1, Option2, Option3});
    // A selected option of an exclusive group cannot be cleared on its own.
    Option4->setAutoExclusive(false);
    Option4->setChecked(false);
    Option4->setAutoExclusive(true);
    hide({Frame1, Frame2});
    if (command == SearchCommand::GetAnagrams)
        Label5->setVisible(true);
    secondaryWindows_->showSplash();
}

void formain::Text2_KeyPress(int keyAscii) {
    if (keyAscii == 13)
        Command1_Click();
}

void formain::Text2_Change() {
    Text1->clear();
    Label4->setText(QString());
}

void formain::Option2_Click() {
    Text1->setPlainText(QString::fromLatin1(kExtendedNotice));
}

void formain::completes(tovrel::Listing listing) {
    searchIntoResults(tovrel::SearchMode::Complete, listing);
}

void formain::extends(tovrel::Listing listing) {
    searchIntoResults(tovrel::SearchMode::Extended, listing);
}

void formain::partials(tovrel::Listing listing) {
    searchIntoResults(tovrel::SearchMode::Partial, listing);
}

void formain::extra_extended(tovrel::Listing listing) {
    searchIntoResults(tovrel::SearchMode::ExtendedPartial, listing);
}

// One pass over the word list, its matches appended to Text1 at once and
// counted; then the no-result rule, which looks at the box, not at the count.
void formain::searchIntoResults(tovrel::SearchMode mode, tovrel::Listing listing) {
    const bool boxWasEmpty = Text1->toPlainText().isEmpty();
    const tovrel::SearchOutcome outcome = tovrel::search(mode, typedWord(), wordList_, listing);
    switch (outcome.status) {
    case tovrel::SearchOutcome::Status::RefusedInput:
        desktop_.showMessage(this, QString::fromLatin1(tovrel::messages::kNoSymbols));
        return;
    case tovrel::SearchOutcome::Status::Unreadable:
        showUnreadableWordList(*outcome.error);
        return;
    case tovrel::SearchOutcome::Status::Done:
        break;
    }
    if (outcome.skipped.count > 0)
        showSkippedRecords(outcome);
    resultCounter_ += outcome.count;
    const QString matches = QString::fromLatin1(outcome.text.data(), qsizetype(outcome.text.size()));
    if (!matches.isEmpty())
        Text1->setPlainText(boxWasEmpty ? matches : Text1->toPlainText() + matches);
    if (boxWasEmpty && matches.isEmpty())
        Text1->setPlainText(QString::fromLatin1(tovrel::messages::kNoResult));
}

// The search went on without them; the user learns that the list holds
// something that is no word list's.
void formain::showSkippedRecords(const tovrel::SearchOutcome& outcome) {
    const tovrel::SkippedRecords& skipped = outcome.skipped;
    desktop_.showMessage(this,
                         QStringLiteral("The word list %1 holds %2 longer than %3 MiB, which the search "
                                        "left out.")
                             .arg(QFile::decodeName(outcome.skippedIn.c_str()),
                                  skipped.count == 1 ? QStringLiteral("a line")
                                                     : QStringLiteral("%1 lines").arg(skipped.count),
                                  QString::number(skipped.longest >> 20)));
}

void formain::showUnreadableWordList(const tovrel::FileError& error) {
    QString message =
        QStringLiteral("The word list %1 cannot be read (%2).")
            .arg(QFile::decodeName(error.path.c_str()), QString::fromLocal8Bit(error.reason.c_str()));
    if (error.path == wordList_.shippedPath())
        message +=
            QStringLiteral(" Tovrel 2 looks for its word list dictionary.txt in the same folder as the "
                           "program, else in ../share/tovrel2 from that folder.");
    desktop_.showMessage(this, message);
}
