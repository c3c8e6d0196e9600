#include "ui/widgets/one_line_text.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

class OneLineTextTest : public QObject {
    Q_OBJECT
private slots:
    void kept_data();
    void kept();
    void pasted_data();
    void pasted();
    void setByTheProgram();
};

// The box's text after an insertion, with the cursor marked by "|" right
// after the inserted text, and what it keeps.
void OneLineTextTest::kept_data() {
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("kept");

    QTest::newRow("nothing to change") << "ealpes|"
                                       << "ealpes|";
    QTest::newRow("closing LF dropped") << "ealpes\n|"
                                        << "ealpes|";
    QTest::newRow("closing CR LF dropped") << "ealpes\r\n|"
                                           << "ealpes|";
    QTest::newRow("closing CR dropped") << "ealpes\r|"
                                        << "ealpes|";
    QTest::newRow("only one closing line end dropped") << "ealpes\n\n|"
                                                       << "ealpes |";
    QTest::newRow("inner LF a blank") << "zebra\nlion|"
                                      << "zebra lion|";
    QTest::newRow("inner CR LF one blank") << "zebra\r\nlion|"
                                           << "zebra lion|";
    QTest::newRow("tab a blank") << "a\tb|"
                                 << "a b|";
    QTest::newRow("closing tab a blank") << "ab\t|"
                                         << "ab |";
    QTest::newRow("pasted into the middle") << "xealpes\n|y"
                                            << "xealpes|y";
    QTest::newRow("line end after the cursor a blank") << "a|\nb"
                                                       << "a| b";
    QTest::newRow("only a line end") << "\n|"
                                     << "|";
}

void OneLineTextTest::kept() {
    QFETCH(QString, edited);
    QFETCH(QString, kept);

    int cursor = int(edited.indexOf(QLatin1Char('|')));
    const QString text = keptOnOneLine(QString(edited).remove(cursor, 1), cursor);
    QCOMPARE(QString(text).insert(cursor, QLatin1Char('|')), kept);
}

void OneLineTextTest::pasted_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a word with its line end") << "ealpes\r\n"
                                              << "ealpes";
    QTest::newRow("two lines") << "zebra\nlion\n"
                               << "zebra lion";
}

void OneLineTextTest::pasted() {
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);

    QLineEdit box;
    keepOnOneLine(box);
    box.show();
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), shown);
    QCOMPARE(box.cursorPosition(), int(shown.size()));
}

// What the program puts into the box is its own business.
void OneLineTextTest::setByTheProgram() {
    QLineEdit box;
    keepOnOneLine(box);
    box.setText(QStringLiteral("a\nb"));
    QCOMPARE(box.text(), QStringLiteral("a\nb"));
}

QTEST_MAIN(OneLineTextTest)
#include "tst_one_line_text.moc"
