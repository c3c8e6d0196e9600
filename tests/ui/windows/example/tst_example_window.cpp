#include "ui/windows/example/example_text.h"
#include "ui/windows/example/example_window.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

namespace {

QStringList exampleLines() {
    QString text = QString::fromLatin1(exampleText().c_str());
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

int leadingTabs(const QString& line) {
    int tabs = 0;
    while (tabs < line.size() && line[tabs] == QLatin1Char('\t'))
        ++tabs;
    return tabs;
}

} // namespace

class TestExampleWindow : public QObject {
    Q_OBJECT
private slots:
    void textHasTheTablesShape();
    void textLines_data();
    void textLines();
    void showsTheTextReadOnly();
    void textBoxLeavesAOnePixelStrip();
    void click_data();
    void click();
};

void TestExampleWindow::textHasTheTablesShape() {
    const std::string& text = exampleText();
    QCOMPARE(text.size(), std::size_t(1655));
    QVERIFY(QByteArray::fromStdString(text).endsWith("\r\n"));
    // Every line break is CR LF: no lone CR or LF.
    QCOMPARE(QByteArray::fromStdString(text).count("\r\n"), QByteArray::fromStdString(text).count('\n'));
    QCOMPARE(QByteArray::fromStdString(text).count("\r\n"), QByteArray::fromStdString(text).count('\r'));

    const QList<int> tabs{4, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1,
                          0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const QStringList lines = exampleLines();
    QCOMPARE(lines.size(), 44);
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(leadingTabs(lines[i]), tabs[i]);
}

void TestExampleWindow::textLines_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("line");

    QTest::newRow("title after four tabs") << 1 << QStringLiteral("\t\t\t\tEXAMPLE");
    QTest::newRow("blank after the tab") << 8 << QStringLiteral("\t asleep, elapse, please, sapele");
    QTest::newRow("tab alone") << 12 << QStringLiteral("\t");
    QTest::newRow("trailing blank") << 14 << QStringLiteral("\tappels, apples, asleep, elapse, Glaspell, ");
    QTest::newRow("blank before the closing marks") << 21 << QStringLiteral("<<114 Results >>");
    QTest::newRow("no trailing blank at the list's end")
        << 29 << QStringLiteral("seppa, slap, sleep, sleeps, spa, spae, spale, spall, speel, spell, spp");
    QTest::newRow("two blanks inside")
        << 42
        << QStringLiteral("Common Names are also included, first letter  of such "
                          "words are in Capital letters. ***");
    QTest::newRow("last line a tab alone") << 44 << QStringLiteral("\t");
}

void TestExampleWindow::textLines() {
    QFETCH(int, number);
    QFETCH(QString, line);
    QCOMPARE(exampleLines().at(number - 1), line);
}

void TestExampleWindow::showsTheTextReadOnly() {
    Form1 window([] {});
    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QCOMPARE(text->toPlainText(), exampleLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QVERIFY(text->isReadOnly());
    QCOMPARE(window.windowTitle(), QStringLiteral("Example - Tovrel 2 By Velmira Tunhold"));
}

void TestExampleWindow::textBoxLeavesAOnePixelStrip() {
    Form1 window([] {});
    QCOMPARE(window.size(), QSize(641, 506));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Text1"))->geometry(), QRect(0, 0, 641, 505));
}

// Where the click goes, from the text box's own geometry: its middle, its
// last row of pixels, or the strip of the window's surface below it.
enum class Spot { InsideTheTextBox, TextBoxLastRow, StripBelow };

void TestExampleWindow::click_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("backToMain");

    QTest::newRow("the strip below the text box") << int(Spot::StripBelow) << int(Qt::LeftButton) << true;
    QTest::newRow("inside the text box") << int(Spot::InsideTheTextBox) << int(Qt::LeftButton) << false;
    QTest::newRow("the text box's last row") << int(Spot::TextBoxLastRow) << int(Qt::LeftButton) << false;
    QTest::newRow("right button on the strip") << int(Spot::StripBelow) << int(Qt::RightButton) << false;
}

void TestExampleWindow::click() {
    QFETCH(int, spot);
    QFETCH(int, button);
    QFETCH(bool, backToMain);

    int mainWindowShown = 0;
    QPointer<Form1> window = new Form1([&mainWindowShown] { ++mainWindowShown; });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect text = window->Text1->geometry();
    const QPoint at = Spot(spot) == Spot::InsideTheTextBox ? text.center()
                      : Spot(spot) == Spot::TextBoxLastRow ? QPoint(text.center().x(), text.bottom())
                                                           : QPoint(text.center().x(), text.bottom() + 1);
    QVERIFY(window->rect().contains(at));

    QTest::mouseClick(window->windowHandle(), Qt::MouseButton(button), {}, at);

    QCOMPARE(mainWindowShown, backToMain ? 1 : 0);
    QCOMPARE(window->isVisible(), !backToMain);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window); // hidden, not unloaded
    delete window;
}

QTEST_MAIN(TestExampleWindow)
#include "tst_example_window.moc"
