#include "ui/windows/main/main_window_fixture.h"

#include "ui/framework/control_colours.h"
#include "ui/framework/window_surface.h"
#include "ui/widgets/results_box.h"
#include "ui/windows/splash/splash_window.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray kList = wordList(
    {"asleep", "elapse", "please", "sapele", "lapse", "Naples", "allele", "sleepless", "pallas", "velmira"});

const QString kEmptyInput = QStringLiteral("Please Enter The Word First");
const QString kSelectChoice = QStringLiteral("Please Select Your choice");
const QString kNoSymbols = QStringLiteral("Please check the word you entered. No symbols allowed");
const QString kNoResult = QStringLiteral("Sorry No anagrams with those words");
const QString kKorrin = QStringLiteral("Korrin! you will surely get through the MBA, all my hardwork can't "
                                       "go in vain--- yes you heard it right my "
                                       "hard work... ha ha ha-- all the best buddy");
const QString kExtendedNotice =
    QStringLiteral("Extended Anagram is an Extensive Search Technique and May Take some "
                   "time... Please be patient if you use an Slower Processor");

enum Trigger { Enter, GetAnagrams, CountOnly };

QRadioButton* option(formain& window, int number) {
    return QList<QRadioButton*>{nullptr, window.Option1, window.Option2, window.Option3,
                                window.Option4}[number];
}

void run(MainWindowFixture& fixture, Trigger trigger) {
    switch (trigger) {
    case Enter:
        fixture.pressEnter();
        break;
    case GetAnagrams:
        QTest::mouseClick(fixture.window->Command1, Qt::LeftButton);
        break;
    case CountOnly:
        QTest::mouseClick(fixture.window->Command7, Qt::LeftButton);
        break;
    }
}

afSplash* openSplash(const formain& window) {
    for (afSplash* splash : window.findChildren<afSplash*>())
        if (splash->isVisible())
            return splash;
    return nullptr;
}

} // namespace

class SearchCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void commandPaths_data();
    void commandPaths();
    void unreadableWordList_data();
    void unreadableWordList();
    void changeOfInputEmptiesResults();
    void pastedWordIsSearchedAsShown_data();
    void pastedWordIsSearchedAsShown();
    void optionNotice_data();
    void optionNotice();
    void lockedMode_data();
    void lockedMode();
    void lockedModeSplashIsOneWindowAndCountsAnew();
};

void SearchCommandsTest::startState() {
    MainWindowFixture fixture(kList);
    QVERIFY(fixture.window->Option1->isChecked());
    QVERIFY(!fixture.window->Label5->isVisible());
    QCOMPARE(fixture.window->Label4->text(), QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), fixture.window->Text2);
}

// Each path of the two search commands and of Enter: what Text1 and Label4
// show afterwards and which messages came up.
void SearchCommandsTest::commandPaths_data() {
    QTest::addColumn<int>("mode"); // 1 to 4; 0 for none selected
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("trigger");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("messages");

    const QString complete = QStringLiteral("asleep, elapse, please, sapele, ");
    const QString extended = QStringLiteral("asleep, elapse, please, sapele, lapse, Naples, ");
    const QString partial = QStringLiteral("asleep, elapse, please, sapele, lapse, allele, pallas, ");
    const QString extendedPartial =
        QStringLiteral("asleep, elapse, please, sapele, allele, sleepless, pallas, ");

    QTest::newRow("empty input, Enter") << 1 << "" << int(Enter) << ""
                                        << "0" << QStringList{kEmptyInput};
    QTest::newRow("empty input, get anagrams") << 1 << "" << int(GetAnagrams) << ""
                                               << "0" << QStringList{kEmptyInput};
    QTest::newRow("empty input, count only") << 1 << "" << int(CountOnly) << ""
                                             << "0" << QStringList{kEmptyInput};
    QTest::newRow("empty input in extended mode: one message") << 2 << "" << int(GetAnagrams) << ""
                                                               << "0" << QStringList{kEmptyInput};
    QTest::newRow("no option selected") << 0 << "ealpes" << int(GetAnagrams) << ""
                                        << "0" << QStringList{kSelectChoice};
    QTest::newRow("no option selected, count only") << 0 << "ealpes" << int(CountOnly) << ""
                                                    << "0" << QStringList{kSelectChoice};

    QTest::newRow("complete, Enter") << 1 << "ealpes" << int(Enter) << complete << "4" << QStringList{};
    QTest::newRow("complete, get anagrams")
        << 1 << "ealpes" << int(GetAnagrams) << complete << "4" << QStringList{};
    QTest::newRow("complete, count only") << 1 << "ealpes" << int(CountOnly) << ""
                                          << "4" << QStringList{};
    QTest::newRow("extended, Enter") << 2 << "ealpes" << int(Enter) << extended << "6" << QStringList{};
    QTest::newRow("extended, get anagrams")
        << 2 << "ealpes" << int(GetAnagrams) << extended << "6" << QStringList{};
    QTest::newRow("extended, count only") << 2 << "ealpes" << int(CountOnly) << ""
                                          << "6" << QStringList{};
    QTest::newRow("partial, Enter") << 3 << "ealpes" << int(Enter) << partial << "7" << QStringList{};
    QTest::newRow("partial, get anagrams")
        << 3 << "ealpes" << int(GetAnagrams) << partial << "7" << QStringList{};
    QTest::newRow("partial, count only") << 3 << "ealpes" << int(CountOnly) << ""
                                         << "7" << QStringList{};
    QTest::newRow("extended partial, Enter")
        << 4 << "ealpes" << int(Enter) << extendedPartial << "7" << QStringList{};
    QTest::newRow("extended partial, get anagrams")
        << 4 << "ealpes" << int(GetAnagrams) << extendedPartial << "7" << QStringList{};
    QTest::newRow("extended partial, count only") << 4 << "ealpes" << int(CountOnly) << ""
                                                  << "7" << QStringList{};

    QTest::newRow("no match") << 1 << "zzz" << int(GetAnagrams) << kNoResult << "0" << QStringList{};
    QTest::newRow("no match, count only removes the no-result text") << 1 << "zzz" << int(CountOnly) << ""
                                                                     << "0" << QStringList{};
    QTest::newRow("blanks only are searched")
        << 1 << "   " << int(Enter) << kNoResult << "0" << QStringList{};
    QTest::newRow("symbol refused by complete words") << 1 << "ab1" << int(Enter) << ""
                                                      << "0" << QStringList{kNoSymbols};
    QTest::newRow("symbol refused, count only") << 1 << "it's" << int(CountOnly) << ""
                                                << "0" << QStringList{kNoSymbols};

    QTest::newRow("keyword") << 1 << "korrin" << int(GetAnagrams) << kNoResult << "0" << QStringList{kKorrin};
    QTest::newRow("keyword in capitals")
        << 1 << "KORRIN" << int(Enter) << kNoResult << "0" << QStringList{kKorrin};
    QTest::newRow("keyword capitalised, count only") << 1 << "Korrin" << int(CountOnly) << ""
                                                     << "0" << QStringList{kKorrin};
    QTest::newRow("keyword then the search's own message") << 0 << "korrin" << int(GetAnagrams) << ""
                                                           << "0" << QStringList{kKorrin, kSelectChoice};
    QTest::newRow("blank before the keyword defeats it")
        << 1 << " korrin" << int(GetAnagrams) << kNoResult << "0" << QStringList{};
    QTest::newRow("blank after the keyword defeats it")
        << 1 << "korrin " << int(Enter) << kNoResult << "0" << QStringList{};
}

void SearchCommandsTest::commandPaths() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(int, trigger);
    QFETCH(QString, results);
    QFETCH(QString, number);
    QFETCH(QStringList, messages);

    MainWindowFixture fixture(kList);
    if (mode == 0)
        fixture.selectNoOption();
    else
        option(*fixture.window, mode)->setChecked(true);
    fixture.window->Text1->setPlainText(QStringLiteral("earlier results"));
    fixture.type(typed);
    run(fixture, Trigger(trigger));

    QCOMPARE(fixture.window->Text1->toPlainText(), results);
    QCOMPARE(fixture.window->Label4->text(), number);
    QCOMPARE(fixture.desktop.messages, messages);
}

// A word list that is missing or is no file gives a message that names it and
// where it belongs; the window is left as a refused input leaves it.
void SearchCommandsTest::unreadableWordList_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("trigger");
    QTest::addColumn<bool>("folderInItsPlace");

    for (int mode = 1; mode <= 4; ++mode) {
        QTest::addRow("mode %d, missing", mode) << mode << int(GetAnagrams) << false;
        QTest::addRow("mode %d, a folder in its place, count only", mode) << mode << int(CountOnly) << true;
    }
}

void SearchCommandsTest::unreadableWordList() {
    QFETCH(int, mode);
    QFETCH(int, trigger);
    QFETCH(bool, folderInItsPlace);

    MainWindowFixture fixture{MainWindowFixture::NoWordList{}};
    if (folderInItsPlace)
        QVERIFY(QDir().mkdir(fixture.dictionary));
    option(*fixture.window, mode)->setChecked(true);
    fixture.type(QStringLiteral("ealpes"));
    run(fixture, Trigger(trigger));

    QCOMPARE(fixture.desktop.messages.size(), 1);
    const QString message = fixture.desktop.messages.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(fixture.dictionary)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("same folder as the program")), qPrintable(message));
    QCOMPARE(fixture.window->Text1->toPlainText(), QString());
    QCOMPARE(fixture.window->Label4->text(), QStringLiteral("0"));
}

void SearchCommandsTest::changeOfInputEmptiesResults() {
    MainWindowFixture fixture(kList);
    fixture.type(QStringLiteral("ealpes"));
    fixture.pressEnter();
    QCOMPARE(fixture.window->Label4->text(), QStringLiteral("4"));
    fixture.type(QStringLiteral("x"));
    QCOMPARE(fixture.window->Text1->toPlainText(), QString());
    QCOMPARE(fixture.window->Label4->text(), QString());
}

// What is pasted is what is shown and what is searched: the line end that a
// copied line brings along is dropped, a line end inside becomes a blank.
void SearchCommandsTest::pastedWordIsSearchedAsShown_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("results");

    QTest::newRow("copied line, complete words") << "ealpes\r\n"
                                                 << "asleep, elapse, please, sapele, ";
    QTest::newRow("line end inside, complete words ignore blanks") << "eal\npes"
                                                                   << "asleep, elapse, please, sapele, ";
}

void SearchCommandsTest::pastedWordIsSearchedAsShown() {
    QFETCH(QString, clipboard);
    QFETCH(QString, results);

    MainWindowFixture fixture(kList);
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(fixture.window->Text2, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!fixture.window->Text2->text().contains(QLatin1Char('\n')));
    fixture.pressEnter();
    QCOMPARE(fixture.desktop.messages.isEmpty() ? fixture.window->Text1->toPlainText()
                                                : fixture.desktop.messages.join(QLatin1Char('|')),
             results);
}

// Choosing the extended mode shows its notice in place of the results and
// keeps the number; the other modes change neither.
void SearchCommandsTest::optionNotice_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("results");

    QTest::newRow("complete") << 1 << "asleep, elapse, please, sapele, ";
    QTest::newRow("extended") << 2 << kExtendedNotice;
    QTest::newRow("partial") << 3 << "asleep, elapse, please, sapele, ";
    QTest::newRow("extended partial") << 4 << "asleep, elapse, please, sapele, ";
}

void SearchCommandsTest::optionNotice() {
    QFETCH(int, mode);
    QFETCH(QString, results);

    MainWindowFixture fixture(kList);
    fixture.type(QStringLiteral("ealpes"));
    fixture.pressEnter();
    QTest::mouseClick(option(*fixture.window, mode), Qt::LeftButton);
    QVERIFY(option(*fixture.window, mode)->isChecked());
    QCOMPARE(fixture.window->Text1->toPlainText(), results);
    QCOMPARE(fixture.window->Label4->text(), QStringLiteral("4"));
}

void SearchCommandsTest::lockedMode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("trigger");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("exitShown");
    QTest::addColumn<bool>("lockedTextShown");

    QTest::newRow("get anagrams, complete words: the search runs on")
        << "velmira" << 1 << int(GetAnagrams) << "velmira, "
        << "1" << QStringList{} << true << true;
    QTest::newRow("Enter, capitals") << "VELMIRA" << 1 << int(Enter) << "velmira, "
                                     << "1" << QStringList{} << true << true;
    QTest::newRow("count only hides the exit button too") << "Velmira" << 1 << int(CountOnly) << ""
                                                          << "1" << QStringList{} << false << false;
    QTest::newRow("extended partial mode is left with no option")
        << "velmira" << 4 << int(GetAnagrams) << ""
        << "0" << QStringList{kSelectChoice} << true << true;
    QTest::newRow("extended partial mode, count only") << "velmira" << 4 << int(CountOnly) << ""
                                                       << "0" << QStringList{kSelectChoice} << false << false;
}

void SearchCommandsTest::lockedMode() {
    QFETCH(QString, typed);
    QFETCH(int, mode);
    QFETCH(int, trigger);
    QFETCH(QString, results);
    QFETCH(QString, number);
    QFETCH(QStringList, messages);
    QFETCH(bool, exitShown);
    QFETCH(bool, lockedTextShown);

    MainWindowFixture fixture(kList);
    formain& window = *fixture.window;
    option(window, mode)->setChecked(true);
    fixture.type(typed);
    run(fixture, Trigger(trigger));

    QCOMPARE(controlBackground(*window.surface), ColourValue{0x00646464});
    const QList<QWidget*> hidden{window.Text1,    window.Text2,    window.Command1, window.Command2,
                                 window.Command3, window.Command5, window.Command6, window.Command7,
                                 window.Command8, window.Label1,   window.Label2,   window.Label3,
                                 window.Label4,   window.Label8,   window.Label6,   window.Shape1,
                                 window.Shape2,   window.Frame1,   window.Frame2};
    for (QWidget* control : hidden)
        QVERIFY2(control->isHidden(), qPrintable(control->objectName()));
    QVERIFY(!window.Picture1->isHidden());
    QCOMPARE(!window.Command4->isHidden(), exitShown);
    QCOMPARE(!window.Label5->isHidden(), lockedTextShown);
    QVERIFY(window.menuBar()->isVisible());
    for (QRadioButton* each : {window.Option1, window.Option2, window.Option3})
        QVERIFY(each->isHidden());
    QCOMPARE(window.Option4->isChecked(), false);
    QCOMPARE(window.Option1->isChecked(), mode == 1);

    QCOMPARE(window.Text1->toPlainText(), results);
    QCOMPARE(window.Label4->text(), number);
    QCOMPARE(fixture.desktop.messages, messages);
    QVERIFY(openSplash(window));
}

void SearchCommandsTest::lockedModeSplashIsOneWindowAndCountsAnew() {
    MainWindowFixture fixture(kList);
    formain& window = *fixture.window;
    fixture.type(QStringLiteral("velmira"));
    fixture.pressEnter();
    afSplash* first = openSplash(window);
    QVERIFY(first);
    first->Timer2_Timer();
    window.Command1_Click();
    QCOMPARE(openSplash(window), first);
    QCOMPARE(first->Label2->text(), QStringLiteral("0"));

    QPointer<afSplash> closed = first;
    for (int tick = 1; tick < 11; ++tick)
        first->Timer2_Timer();
    QVERIFY(!closed->isVisible());
    QVERIFY(window.isVisible());
    QVERIFY(window.Text2->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());

    window.Command1_Click();
    afSplash* second = openSplash(window);
    QVERIFY(second);
    QCOMPARE(second->Label2->text(), QString());
    second->Timer2_Timer();
    QCOMPARE(second->Label2->text(), QStringLiteral("0"));
}

QTEST_MAIN(SearchCommandsTest)
#include "tst_search_commands.moc"
