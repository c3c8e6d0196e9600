#include "core/game/word_draw.h"
#include "core/wordlist/record_reader.h"

#include <QtTest>

class WordDrawTest : public QObject {
    Q_OBJECT
private slots:
    void roundHalfToEven_data();
    void roundHalfToEven();
    void drawOffset_data();
    void drawOffset();
    void recordAt_data();
    void recordAt();
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

void WordDrawTest::recordAt_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<qulonglong>("n");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("left");

    const QByteArray five = "one\r\ntwo\r\nthree\r\nsword\r\nfive\r\n";
    QTest::newRow("first record") << five << 0ull << QByteArray("one") << QByteArray("two");
    QTest::newRow("record n + 1") << five << 3ull << QByteArray("sword") << QByteArray("five");
    QTest::newRow("last record") << five << 4ull << QByteArray("five") << QByteArray();
    QTest::newRow("shorter list gives its last") << five << 30000ull << QByteArray("five") << QByteArray();
    QTest::newRow("empty list") << QByteArray() << 2ull << QByteArray() << QByteArray();
    QTest::newRow("quoted record as read")
        << QByteArray("\"New York\"\r\n") << 0ull << QByteArray("New York") << QByteArray();
}

void WordDrawTest::recordAt() {
    QFETCH(QByteArray, list);
    QFETCH(qulonglong, n);
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, left);

    tovrel::RecordReader reader(std::string_view(list.constData(), std::size_t(list.size())));
    QCOMPARE(QByteArray::fromStdString(tovrel::recordAt(reader, n)), record);
    QCOMPARE(QByteArray::fromStdString(std::string(reader.atEnd() ? std::string_view() : reader.next())),
             left);
}

QTEST_MAIN(WordDrawTest)
#include "tst_word_draw.moc"
