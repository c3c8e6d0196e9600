#include "core/wordlist/record_reader.h"
#include "ui/windows/help/help_text.h"
#include "ui/windows/help/help_window.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdint>

namespace {

QString help() {
    return QString::fromLatin1(helpText().c_str());
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void quotedSentencesInOrder();
    void layout_data();
    void layout();
    void tellsTheShippedWordCount();
    void everyLineEndsInCrLf();
    void showsTheTextReadOnly();
};

// The sentences and headings the guide must hold word for word, in this order.
void TestHelpWindow::quotedSentencesInOrder() {
    const QStringList sentences{
        "Welcome To Tovrel 2",
        "Tovrel is a Software to find Anagrams (Jumbled Words - A word or\r\n",
        "phrase spelled by rearranging the letters of another word or phrase).",
        "****Before you Run the program Make sure you have the following Three Files *****",
        "**** Tovrel 2.exe",
        "**** Dictionary.txt",
        "**** Help.txt",
        "HELP",
        "It is the main area where you type the letters whose anagram(s)\r\n",
        "\"ealesp\"",
        "For the perfect definition of Anagram select \"COMPLETE WORD ONLY\" option.",
        "There are four Choices for different type of Search.",
        "1. COMPLETE WORD ONLY",
        "E.g RDSOW gives : WORDS n SWORD",
        "2. EXTENDED WORDS",
        "E.g TOL gives LOOT n TOOL",
        "3. PARTIAL WORDS",
        "E.g TEAR gives TEA, EAT, ATE.",
        "4. EXTENDED PARTIAL WORDS",
        "E.g  PLEASE : PAPPAS , ALLELE ( EXTENDED + PARTIAL )",
        "!! Click to Only Check The Number of Anagrams  !!",
        "In Game Mode, when you correctly guess the anagram of the given\r\n",
        "Click This button to see the example of all types of Anagrams.",
        "The word entered in the INPUT BOX is RANDOMIZED to the extent that\r\n",
        "For example RANDOMIZE your Name and Give it to friends to try.",
        "which may be easy to recognise. TRY IT!!!!",
        "!! Add Word To Dictionary !!",
        "Use this Option to add the words which you did not find in the dictionary.",
        "Words Added Can be deleted.",
        "\"Dictionary.txt\"",
        "All words added are appended at last.",
        "You Can change Background Colour as well as Foreground (TEXTCOLOUR).",
        "Keep Good Contrast Between the two for pleasurable viewing",
        "Closes The Application.",
        "For any queries which were not answered by this HELP file, PLEASE FEEL FREE TO EMAIL ME.",
        "**** Easter Egg : Try Anagram of \"velmira\" . ******",
    };
    const QString text = help();
    qsizetype from = 0;
    for (const QString& sentence : sentences) {
        const qsizetype at = text.indexOf(sentence, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("missing or out of order: ") + sentence));
        from = at + sentence.size();
    }
}

void TestHelpWindow::layout_data() {
    QTest::addColumn<QString>("line"); // a whole line, as it stands between two line ends

    QTest::newRow("title after four tabs") << QStringLiteral("\t\t\t\tWelcome To Tovrel 2");
    QTest::newRow("rule of 88 dashes") << QString(88, QLatin1Char('-'));
    QTest::newRow("heading after five tabs") << QStringLiteral("\t\t\t\t\tHELP");
    QTest::newRow("easter egg indented by blanks")
        << QStringLiteral("          **** Easter Egg : Try Anagram of \"velmira\" . ******");
}

void TestHelpWindow::layout() {
    QFETCH(QString, line);
    QVERIFY(help().split(QStringLiteral("\r\n")).contains(line));
}

// The one test of the shipped word list: the guide tells how many words it
// holds, counted as the program reads them, and not the count of another list
// (180685).
void TestHelpWindow::tellsTheShippedWordCount() {
    tovrel::RecordReader reader;
    QVERIFY(!reader.open(TOVREL_DICTIONARY));
    std::uint64_t words = 0;
    reader.forEachRecord([&words](std::string_view) { ++words; });
    QVERIFY(!reader.error());
    QVERIFY(words > 0);
    const QString told = QLocale(QLocale::English).toString(qulonglong(words)) + QStringLiteral(" words");
    QVERIFY2(help().contains(told), qPrintable(told));
    QVERIFY(!help().contains(QLatin1String("180685")));
}

void TestHelpWindow::everyLineEndsInCrLf() {
    const QByteArray text = QByteArray::fromStdString(helpText());
    QVERIFY(text.endsWith("\r\n"));
    QCOMPARE(text.count("\r\n"), text.count('\n'));
    QCOMPARE(text.count("\r\n"), text.count('\r'));
}

void TestHelpWindow::showsTheTextReadOnly() {
    Form2 window;
    QCOMPARE(window.windowTitle(), QStringLiteral("HELP --- Tovrel 2 By Velmira Tunhold"));
    QCOMPARE(window.geometry(), QRect(80, 87, 795, 594));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QCOMPARE(text->geometry(), QRect(0, 0, 793, 593));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText(), help().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
