#include "ui/windows/main/main_window_fixture.h"

#include "ui/widgets/results_box.h"

#include "support/scramble_by_reversals.h"
#include "ui/framework/code_points.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kRandomizeEmpty = QStringLiteral("Please enter the word first in the INPUT BOX");

// A list of `count` distinct records, "w1", "w2", ...
QByteArray numberedList(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "w" + QByteArray::number(i) + "\r\n";
    return bytes;
}

QString scrambled(const QString& word) {
    return fromCodePoints(scrambleByReversals(codePoints(word)));
}

} // namespace

class GameCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void randomize_data();
    void randomize();
    void randomizeEmptyInput();
    void game_data();
    void game();
    void gameEmptiesResultsAndSeedsEachClick();
    void gameOnUnreadableWordList();
};

void GameCommandsTest::randomize_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("scrambled");

    QTest::newRow("abcdef") << "abcdef"
                            << "fdbace";
    QTest::newRow("words") << "words"
                           << "srwod";
    QTest::newRow("capital kept") << "Abc"
                                  << "cAb";
    QTest::newRow("one character") << "a"
                                   << "a";
    QTest::newRow("three blanks, no message") << "   "
                                              << "   ";
    const QString longText = QStringLiteral("abcdefghijklmnopqrstuvwxyz 0123456789").repeated(30);
    QTest::newRow("long text") << longText << scrambled(longText);
}

// Randomize shows the scramble in Text1 and leaves Text2 and the number alone;
// a second click shows the same.
void GameCommandsTest::randomize() {
    QFETCH(QString, typed);
    QFETCH(QString, scrambled);

    MainWindowFixture fixture(wordList({"asleep", "elapse"}));
    formain& window = *fixture.window;
    fixture.type(QStringLiteral("ealpes"));
    fixture.pressEnter();
    window.Text2->selectAll();
    window.Text2->insert(typed);
    window.Label4->setText(QStringLiteral("2"));
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(window.Command5, Qt::LeftButton);
        QCOMPARE(window.Text1->toPlainText(), scrambled);
    }
    QCOMPARE(window.Text2->text(), typed);
    QCOMPARE(window.Label4->text(), QStringLiteral("2"));
    QVERIFY(fixture.desktop.messages.isEmpty());
}

void GameCommandsTest::randomizeEmptyInput() {
    MainWindowFixture fixture(wordList({"asleep"}));
    fixture.window->Text1->setPlainText(QStringLiteral("earlier"));
    QTest::mouseClick(fixture.window->Command5, Qt::LeftButton);
    QCOMPARE(fixture.window->Text1->toPlainText(), QString());
    QCOMPARE(fixture.desktop.messages, QStringList{kRandomizeEmpty});
}

// The three draws come through the desktop; record r1 + r2 + r3 + 1 comes out,
// scrambled, in Text2.
void GameCommandsTest::game_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QList<float>>("randoms");
    QTest::addColumn<QString>("jumble");

    const QByteArray five = wordList({"one", "two", "three", "sword", "five"});
    QTest::newRow("2, 0, 1 gives the fourth record")
        << five << QList<float>{0.0002f, 0.0f, 0.0001f} << "doswr";
    QTest::newRow("first record") << five << QList<float>{0.0f, 0.0f, 0.0f} << "eon";
    QTest::newRow("312.5 rounds to 312")
        << numberedList(400) << QList<float>{0.03125f, 0.0f, 0.0f} << scrambled("w313");
    QTest::newRow("937.5 rounds to 938")
        << numberedList(1000) << QList<float>{0.09375f, 0.0f, 0.0f} << scrambled("w939");
    QTest::newRow("largest draws reach record 30001")
        << numberedList(30005) << QList<float>(3, std::nextafter(1.0f, 0.0f)) << scrambled("w30001");
    QTest::newRow("one-record list") << wordList({"listen"}) << QList<float>{0.5f, 0.5f, 0.5f} << "ntilse";
    QTest::newRow("list shorter than n gives its last record")
        << five << QList<float>{0.0002f, 0.0003f, 0.0f} << "eifv";
    QTest::newRow("empty list") << QByteArray() << QList<float>{0.5f, 0.5f, 0.5f} << "";
    QTest::newRow("record with capitals") << wordList({"Abc"}) << QList<float>{0.1f, 0.2f, 0.3f} << "cAb";
    QTest::newRow("record of one character") << wordList({"a"}) << QList<float>{0.0f, 0.0f, 0.0f} << "a";
    QTest::newRow("record of two characters") << wordList({"ab"}) << QList<float>{0.0f, 0.0f, 0.0f} << "ba";
}

void GameCommandsTest::game() {
    QFETCH(QByteArray, list);
    QFETCH(QList<float>, randoms);
    QFETCH(QString, jumble);

    MainWindowFixture fixture(list);
    fixture.desktop.randoms.assign(randoms.begin(), randoms.end());
    QTest::mouseClick(fixture.window->Command2, Qt::LeftButton);
    QCOMPARE(fixture.window->Text2->text(), jumble);
    QVERIFY(fixture.desktop.randoms.empty());
    QVERIFY(fixture.desktop.messages.isEmpty());
}

void GameCommandsTest::gameEmptiesResultsAndSeedsEachClick() {
    MainWindowFixture fixture(wordList({"asleep", "elapse"}));
    formain& window = *fixture.window;
    fixture.type(QStringLiteral("ealpes"));
    fixture.pressEnter();
    QCOMPARE(window.Label4->text(), QStringLiteral("2"));
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QCOMPARE(window.Text1->toPlainText(), QString());
    QCOMPARE(window.Label4->text(), QString());
    QCOMPARE(window.Text2->text(), QStringLiteral("pesale")); // "asleep", the first record, scrambled
    QCOMPARE(fixture.desktop.seeds, 1);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QCOMPARE(fixture.desktop.seeds, 2);
}

// The game meets a missing list with the searches' message and changes no word.
void GameCommandsTest::gameOnUnreadableWordList() {
    MainWindowFixture fixture{MainWindowFixture::NoWordList{}};
    fixture.type(QStringLiteral("ealpes"));
    QTest::mouseClick(fixture.window->Command2, Qt::LeftButton);
    QCOMPARE(fixture.window->Text2->text(), QStringLiteral("ealpes"));
    QCOMPARE(fixture.desktop.messages.size(), 1);
    QVERIFY(fixture.desktop.messages.first().contains(QDir::toNativeSeparators(fixture.dictionary)));
    QVERIFY(fixture.desktop.messages.first().contains(QStringLiteral("same folder as the program")));
}

QTEST_MAIN(GameCommandsTest)
#include "tst_game_commands.moc"
