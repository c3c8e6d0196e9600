#include "core/game/scramble.h"
#include "support/scramble_by_reversals.h"
#include "ui/framework/code_points.h"

#include <QtTest>

class ScrambleTest : public QObject {
    Q_OBJECT
private slots:
    void reversePrefix_data();
    void reversePrefix();
    void workedExamples_data();
    void workedExamples();
    void onePassMatchesReversals();
};

void ScrambleTest::reversePrefix_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("reversed");

    QTest::newRow("three of six") << "abcdef" << 3 << "cbadef";
    QTest::newRow("none") << "abcdef" << 0 << "abcdef";
    QTest::newRow("one") << "abcdef" << 1 << "abcdef";
    QTest::newRow("all") << "abcdef" << 6 << "fedcba";
    QTest::newRow("beyond the length") << "abcdef" << 40 << "fedcba";
    QTest::newRow("negative") << "abcdef" << -2 << "abcdef";
    QTest::newRow("empty text") << "" << 3 << "";
    QTest::newRow("character beyond the 16-bit range")
        << QString::fromUcs4(U"a\U0001F600b") << 2 << QString::fromUcs4(U"\U0001F600ab");
}

void ScrambleTest::reversePrefix() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, reversed);
    QCOMPARE(fromCodePoints(tovrel::reversePrefix(codePoints(text), count)), reversed);
}

void ScrambleTest::workedExamples_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("scrambled");

    QTest::newRow("abcdef") << "abcdef"
                            << "fdbace";
    QTest::newRow("words") << "words"
                           << "srwod";
    QTest::newRow("listen") << "listen"
                            << "ntilse";
    QTest::newRow("capital kept") << "Abc"
                                  << "cAb";
    QTest::newRow("odd length, seven") << "abcdefg"
                                       << "gecabdf";
    QTest::newRow("one character") << "a"
                                   << "a";
    QTest::newRow("two characters swap") << "ab"
                                         << "ba";
    QTest::newRow("blanks are characters") << "a b c"
                                           << "cba  ";
    QTest::newRow("empty") << ""
                           << "";
}

// Both forms give the worked results.
void ScrambleTest::workedExamples() {
    QFETCH(QString, text);
    QFETCH(QString, scrambled);
    QCOMPARE(fromCodePoints(scrambleByReversals(codePoints(text))), scrambled);
    QCOMPARE(fromCodePoints(tovrel::scrambleInOnePass(codePoints(text))), scrambled);
}

// Every character distinct, so that any misplaced one shows.
void ScrambleTest::onePassMatchesReversals() {
    std::u32string text;
    for (char32_t length = 0; length <= 400; ++length) {
        QCOMPARE(tovrel::scrambleInOnePass(text), scrambleByReversals(text));
        text += char32_t(0x100) + length;
    }
}

QTEST_MAIN(ScrambleTest)
#include "tst_scramble.moc"
