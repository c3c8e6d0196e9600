#include "ui/windows/main/main_window_fixture.h"

#include "ui/widgets/results_box.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kEmptyInput = QStringLiteral("Please Enter The Word First In the INPUT BOX");

QString confirmation(const QString& word) {
    return QStringLiteral("Are you sure you want to add ") + word + QStringLiteral(" to the dictionary");
}

QString success(const QString& word) {
    return QStringLiteral("The Word ") + word + QStringLiteral(" was successfully added to the Dictionary");
}

QRadioButton* option(formain& window, int number) {
    return QList<QRadioButton*>{window.Option1, window.Option2, window.Option3, window.Option4}[number - 1];
}

} // namespace

class AddWordTest : public QObject {
    Q_OBJECT
private slots:
    void addedWordIsFoundLast_data();
    void addedWordIsFoundLast();
    void missingListIsCreated();
    void wordGoesToTheUsersOwnFile();
    void cancelChangesNothing();
    void sameWordTwice();
    void emptyInput();
    void notAdded_data();
    void notAdded();
};

// The word is written as typed and the next search, in each mode, lists it last.
void AddWordTest::addedWordIsFoundLast_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("results");

    const QByteArray list = "asleep\r\nplease\r\n";
    QTest::newRow("complete words") << list << "elapse" << 1 << "ealpes"
                                    << "asleep, please, elapse, ";
    QTest::newRow("capital, extended words") << list << "Elapse" << 2 << "ealpes"
                                             << "asleep, please, Elapse, ";
    QTest::newRow("blank inside, partial words") << list << "pea se" << 3 << "ealpes "
                                                 << "asleep, please, pea se, ";
    QTest::newRow("blank and capitals, extended partial words") << list << "New York" << 4 << "new york"
                                                                << "new york, ";
    QTest::newRow("list without a final line end")
        << QByteArray("asleep\r\nplease") << "elapse" << 1 << "ealpes"
        << "asleep, please, elapse, ";
}

void AddWordTest::addedWordIsFoundLast() {
    QFETCH(QByteArray, list);
    QFETCH(QString, word);
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, results);

    MainWindowFixture fixture(list);
    formain& window = *fixture.window;
    fixture.type(word);
    window.Label4->setText(QStringLiteral("7"));
    window.Text1->setPlainText(QStringLiteral("earlier results"));
    QTest::mouseClick(window.Command6, Qt::LeftButton);

    QCOMPARE(fixture.desktop.messages, QStringList{confirmation(word)});
    QCOMPARE(window.Text1->toPlainText(), success(word));
    QCOMPARE(window.Label4->text(), QStringLiteral("7"));
    QCOMPARE(window.Text2->text(), word);
    QVERIFY(fixture.wordListBytes().startsWith(list));
    QVERIFY(fixture.wordListBytes().endsWith("\"" + word.toLatin1() + "\"\r\n"));

    option(window, mode)->setChecked(true);
    window.Text2->clear();
    fixture.type(typed);
    fixture.pressEnter();
    QCOMPARE(window.Text1->toPlainText(), results);
}

void AddWordTest::missingListIsCreated() {
    MainWindowFixture fixture{MainWindowFixture::NoWordList{}};
    fixture.type(QStringLiteral("zebra"));
    QTest::mouseClick(fixture.window->Command6, Qt::LeftButton);
    QCOMPARE(fixture.wordListBytes(), QByteArray("\"zebra\"\r\n"));
    QCOMPARE(fixture.window->Text1->toPlainText(), success(QStringLiteral("zebra")));
}

// Where the list is not the user's to change, the word goes to the user's own
// file, made on the first word, and the next search lists it last all the same.
void AddWordTest::wordGoesToTheUsersOwnFile() {
    QTemporaryDir folder;
    const QString shipped = folder.filePath(QStringLiteral("dictionary.txt"));
    const QString added = folder.filePath(QStringLiteral("data/tovrel2/added-words.txt"));
    const QByteArray list = wordList({"asleep", "please"});
    QFile file(shipped);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(list) == list.size());
    file.close();
    RecordingDesktop desktop;
    formain window(tovrel::WordList(shipped.toStdString(), added.toStdString()), desktop);
    window.show();

    QTest::keyClicks(window.Text2, QStringLiteral("elapse"));
    QTest::mouseClick(window.Command6, Qt::LeftButton);
    QCOMPARE(desktop.messages, QStringList{confirmation(QStringLiteral("elapse"))});
    QCOMPARE(window.Text1->toPlainText(), success(QStringLiteral("elapse")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), list);
    QFile addedFile(added);
    QVERIFY(addedFile.open(QIODevice::ReadOnly));
    QCOMPARE(addedFile.readAll(), QByteArray("\"elapse\"\r\n"));

    window.Text2->clear();
    QTest::keyClicks(window.Text2, QStringLiteral("ealpes"));
    QTest::keyClick(window.Text2, Qt::Key_Return);
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("asleep, please, elapse, "));
}

void AddWordTest::cancelChangesNothing() {
    const QByteArray list = "asleep\r\nplease";
    MainWindowFixture fixture(list);
    fixture.desktop.answers = {false};
    fixture.type(QStringLiteral("zebra"));
    fixture.window->Text1->setPlainText(QStringLiteral("earlier results"));
    QTest::mouseClick(fixture.window->Command6, Qt::LeftButton);
    QCOMPARE(fixture.desktop.messages, QStringList{confirmation(QStringLiteral("zebra"))});
    QCOMPARE(fixture.wordListBytes(), list);
    QCOMPARE(fixture.window->Text1->toPlainText(), QStringLiteral("earlier results"));
}

void AddWordTest::sameWordTwice() {
    MainWindowFixture fixture(wordList({"asleep"}));
    fixture.type(QStringLiteral("zebra"));
    QTest::mouseClick(fixture.window->Command6, Qt::LeftButton);
    QTest::mouseClick(fixture.window->Command6, Qt::LeftButton);
    QCOMPARE(fixture.wordListBytes(), QByteArray("asleep\r\n\"zebra\"\r\n\"zebra\"\r\n"));
}

void AddWordTest::emptyInput() {
    const QByteArray list = wordList({"asleep"});
    MainWindowFixture fixture(list);
    fixture.window->Text1->setPlainText(QStringLiteral("earlier results"));
    QTest::mouseClick(fixture.window->Command6, Qt::LeftButton);
    QCOMPARE(fixture.desktop.messages, QStringList{kEmptyInput});
    QCOMPARE(fixture.wordListBytes(), list);
    QCOMPARE(fixture.window->Text1->toPlainText(), QStringLiteral("earlier results"));
}

// Words the list cannot hold, and lists that cannot be written: a message that
// says the word was not added and why, nothing written, Text1 as it was. (The
// tests run as root, whom file permissions do not stop.)
void AddWordTest::notAdded_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("place"); // "file", "folder", "missing folder" or "full device"
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("why");

    QTest::newRow("double quote") << "say \"hi\""
                                  << "file" << false << "double quote";
    QTest::newRow("line break") << "two\nlines"
                                << "file" << false << "line break";
    QTest::newRow("beyond Latin-1") << QStringLiteral("\u20acuro") << "file" << false << "Latin-1";
    QTest::newRow("a folder in the list's place") << "zebra"
                                                  << "folder" << true << "Is a directory";
    QTest::newRow("list under a missing folder") << "zebra"
                                                 << "missing folder" << true << "No such file or directory";
    QTest::newRow("full disk") << "zebra"
                               << "full device" << true << "No space left on device";
}

void AddWordTest::notAdded() {
    QFETCH(QString, word);
    QFETCH(QString, place);
    QFETCH(bool, confirmed);
    QFETCH(QString, why);

    const QByteArray list = wordList({"asleep"});
    std::unique_ptr<MainWindowFixture> fixture;
    if (place == QLatin1String("missing folder")) {
        fixture =
            std::make_unique<MainWindowFixture>(MainWindowFixture::NoWordList{"missing/dictionary.txt"});
    } else if (place == QLatin1String("file")) {
        fixture = std::make_unique<MainWindowFixture>(list);
    } else {
        fixture = std::make_unique<MainWindowFixture>(MainWindowFixture::NoWordList{});
        if (place == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(fixture->dictionary));
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), fixture->dictionary));
    }
    formain& window = *fixture->window;
    window.Text2->setText(word);
    window.Text1->setPlainText(QStringLiteral("earlier results"));
    QTest::mouseClick(window.Command6, Qt::LeftButton);

    QStringList messages = fixture->desktop.messages;
    QCOMPARE(messages.size(), confirmed ? 2 : 1);
    if (confirmed)
        QCOMPARE(messages.takeFirst(), confirmation(word));
    QVERIFY2(
        messages.first().startsWith(QStringLiteral("The Word ") + word + QStringLiteral(" was not added")),
        qPrintable(messages.first()));
    QVERIFY2(messages.first().contains(why), qPrintable(messages.first()));
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("earlier results"));

    const QFileInfo left(fixture->dictionary);
    if (place == QLatin1String("file"))
        QCOMPARE(fixture->wordListBytes(), list);
    else if (place == QLatin1String("folder"))
        QVERIFY(left.isDir() && QDir(fixture->dictionary).isEmpty());
    else if (place == QLatin1String("missing folder"))
        QVERIFY(!left.exists() && !left.dir().exists());
    else
        QCOMPARE(left.symLinkTarget(), QStringLiteral("/dev/full"));
}

QTEST_MAIN(AddWordTest)
#include "tst_add_word.moc"
