#include "core/game/word_draw.h"
#include "core/wordlist/word_list.h"

#include <QtTest>

namespace {

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class WordDrawTest : public QObject {
    Q_OBJECT
private slots:
    void roundHalfToEven_data();
    void roundHalfToEven();
    void drawOffset_data();
    void drawOffset();
    void recordAt_data();
    void recordAt();
    void recordAtUnreadable();
};

void WordDrawTest::roundHalfToEven_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("rounded");

    QTest::newRow("312.5 to the even below") << 312.5f << 312;
    QTest::newRow("313.5 to the even above") << 313.5f << 314;
    QTest::newRow("0.5 to 0") << 0.5f << 0;
    QTest::newRow("below half") << 2.4999f << 2;
    QTest::newRow("above half") << 2.5001f << 3;
}

void WordDrawTest::roundHalfToEven() {
    QFETCH(float, value);
    QFETCH(int, rounded);
    QCOMPARE(tovrel::roundHalfToEven(value), rounded);
}

// The random value times 10000 in single precision, then rounded.
void WordDrawTest::drawOffset_data() {
    QTest::addColumn<float>("random");
    QTest::addColumn<int>("offset");

    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("tie 312.5") << 0.03125f << 312;
    QTest::newRow("tie 937.5") << 0.09375f << 938;
    QTest::newRow("0.0002 is 2") << 0.0002f << 2;
    QTest::newRow("largest value below 1 reaches 10000") << std::nextafter(1.0f, 0.0f) << 10000;
}

void WordDrawTest::drawOffset() {
    QFETCH(float, random);
    QFETCH(int, offset);
    QCOMPARE(tovrel::drawOffset(random), offset);
}

// The list is the shipped file followed by the user's added words, when there
// are any ("-" for none yet).
void WordDrawTest::recordAt_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<qulonglong>("n");
    QTest::addColumn<QByteArray>("record");

    const QByteArray five = "one\r\ntwo\r\nthree\r\nsword\r\nfive\r\n";
    const QByteArray none = "-";
    QTest::newRow("first record") << five << none << 0ull << QByteArray("one");
    QTest::newRow("record n + 1") << five << none << 3ull << QByteArray("sword");
    QTest::newRow("last record") << five << none << 4ull << QByteArray("five");
    QTest::newRow("shorter list gives its last") << five << none << 30000ull << QByteArray("five");
    QTest::newRow("empty list") << QByteArray() << none << 2ull << QByteArray();
    QTest::newRow("quoted record as read")
        << QByteArray("\"New York\"\r\n") << none << 0ull << QByteArray("New York");

    const QByteArray added = "\"six\"\r\n\"seven\"\r\n";
    QTest::newRow("last of the list, added words after it") << five << added << 4ull << QByteArray("five");
    QTest::newRow("counting on into the added words") << five << added << 6ull << QByteArray("seven");
    QTest::newRow("shorter than both gives the last added word")
        << five << added << 30000ull << QByteArray("seven");
    QTest::newRow("list without a final line end") << QByteArray("one") << added << 1ull << QByteArray("six");
    QTest::newRow("empty file of added words") << five << QByteArray() << 30000ull << QByteArray("five");
    QTest::newRow("only added words") << QByteArray() << added << 0ull << QByteArray("six");
}

void WordDrawTest::recordAt() {
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, added);
    QFETCH(qulonglong, n);
    QFETCH(QByteArray, record);

    QTemporaryDir folder;
    const QString shipped = folder.filePath(QStringLiteral("dictionary.txt"));
    const QString addedWords = folder.filePath(QStringLiteral("added-words.txt"));
    QVERIFY(write(shipped, list));
    if (added != "-")
        QVERIFY(write(addedWords, added));

    const tovrel::DrawnRecord drawn =
        tovrel::recordAt(tovrel::WordList(shipped.toStdString(), addedWords.toStdString()), n);
    QVERIFY(!drawn.error);
    QCOMPARE(QByteArray::fromStdString(drawn.record), record);
}

// A list that cannot be read gives an error that names it, not a word.
void WordDrawTest::recordAtUnreadable() {
    QTemporaryDir folder;
    const QString shipped = folder.filePath(QStringLiteral("dictionary.txt"));
    QVERIFY(write(shipped, "one\r\n"));
    const QString addedWords = folder.filePath(QStringLiteral("added-words.txt"));
    QVERIFY(QDir().mkdir(addedWords));
    for (const QString& missing : {folder.filePath(QStringLiteral("missing.txt")), addedWords}) {
        const tovrel::WordList list = missing == addedWords
                                          ? tovrel::WordList(shipped.toStdString(), addedWords.toStdString())
                                          : tovrel::WordList(missing.toStdString());
        const tovrel::DrawnRecord drawn = tovrel::recordAt(list, 3);
        QVERIFY(drawn.error);
        QCOMPARE(QString::fromStdString(drawn.error->path), missing);
    }
}

QTEST_MAIN(WordDrawTest)
#include "tst_word_draw.moc"
