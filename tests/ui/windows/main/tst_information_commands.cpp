#include "ui/windows/main/main_window_fixture.h"

#include "ui/widgets/results_box.h"
#include "ui/windows/about/about_window.h"
#include "ui/windows/example/example_window.h"
#include "ui/windows/help/help_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

using Command = std::function<void(formain&)>;

Command click(QPushButton* formain::*button) {
    return [button](formain& window) { QTest::mouseClick(window.*button, Qt::LeftButton); };
}

Command choose(QAction* formain::*item) {
    return [item](formain& window) { (window.*item)->trigger(); };
}

// The windows of the given kind that are shown.
template <typename Window> int shownWindows() {
    int shown = 0;
    for (QWidget* widget : QApplication::allWidgets())
        if (qobject_cast<Window*>(widget) && widget->isVisible())
            ++shown;
    return shown;
}

const QByteArray kList = "asleep\r\nelapse\r\nplease\r\nsapele\r\n";

} // namespace

Q_DECLARE_METATYPE(Command)

class InformationCommands : public QObject {
    Q_OBJECT
private slots:
    void oneWindowWhicheverWayItIsOpened_data();
    void oneWindowWhicheverWayItIsOpened();
    void messagesLeaveTheWindowAsItWas_data();
    void messagesLeaveTheWindowAsItWas();
    void endCommandsEndTheWholeProgram_data();
    void endCommandsEndTheWholeProgram();
    void aClosedWindowIsLoadedAnew();
};

void InformationCommands::oneWindowWhicheverWayItIsOpened_data() {
    QTest::addColumn<Command>("first");
    QTest::addColumn<Command>("second");
    QTest::addColumn<std::function<int()>>("shown");
    QTest::newRow("help button then help menu") << click(&formain::Command8) << choose(&formain::helpmenu)
                                                << std::function<int()>(shownWindows<Form2>);
    QTest::newRow("help menu twice") << choose(&formain::helpmenu) << choose(&formain::helpmenu)
                                     << std::function<int()>(shownWindows<Form2>);
    QTest::newRow("example button twice") << click(&formain::Command3) << click(&formain::Command3)
                                          << std::function<int()>(shownWindows<Form1>);
    QTest::newRow("about menu twice")
        << choose(&formain::About) << choose(&formain::About) << std::function<int()>(shownWindows<frmAbout>);
}

void InformationCommands::oneWindowWhicheverWayItIsOpened() {
    QFETCH(Command, first);
    QFETCH(Command, second);
    QFETCH(std::function<int()>, shown);
    MainWindowFixture fixture(kList);
    first(*fixture.window);
    QCOMPARE(shown(), 1);
    second(*fixture.window);
    QCOMPARE(shown(), 1);
    QVERIFY(fixture.window->isVisible());
    QVERIFY(fixture.desktop.messages.isEmpty());
}

void InformationCommands::messagesLeaveTheWindowAsItWas_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("what is anagram") << choose(&formain::anagram)
                                     << QStringLiteral(
                                            "Anagrams (Jumbled Words - A word or phrase spelled by "
                                            "rearranging the letters of another word or phrase). For "
                                            "e.g rdsow = words, sword");
    QTest::newRow("hint") << choose(&formain::help)
                          << QStringLiteral(
                                 "Take your Mouse Pointer Above any Button or Text-Boxes, hold it "
                                 "there, you will see a yellow box which gives a brief description "
                                 "about it. For detailed help please Click the Help Button or Choose "
                                 "Help from Menu bar");
}

void InformationCommands::messagesLeaveTheWindowAsItWas() {
    QFETCH(Command, command);
    QFETCH(QString, message);
    MainWindowFixture fixture(kList);
    fixture.type(QStringLiteral("ealpes"));
    fixture.pressEnter();
    const QString results = fixture.window->Text1->toPlainText();
    const QString number = fixture.window->Label4->text();

    command(*fixture.window);

    QCOMPARE(fixture.desktop.messages, QStringList{message});
    QCOMPARE(fixture.window->Text1->toPlainText(), results);
    QCOMPARE(fixture.window->Text2->text(), QStringLiteral("ealpes"));
    QCOMPARE(fixture.window->Label4->text(), number);
}

void InformationCommands::endCommandsEndTheWholeProgram_data() {
    QTest::addColumn<Command>("command");
    QTest::newRow("exit button") << click(&formain::Command4);
    QTest::newRow("exit menu") << choose(&formain::Exit);
    QTest::newRow("the main window's close button") << Command([](formain& window) { window.close(); });
}

void InformationCommands::endCommandsEndTheWholeProgram() {
    QFETCH(Command, command);
    MainWindowFixture fixture(kList);
    fixture.window->Command8_Click();
    fixture.window->About_Click();
    fixture.window->Command3_Click();
    QCOMPARE(fixture.desktop.programEnds, 0);

    command(*fixture.window);

    QCOMPARE(fixture.desktop.programEnds, 1);
}

void InformationCommands::aClosedWindowIsLoadedAnew() {
    MainWindowFixture fixture(kList);
    fixture.window->Command8_Click();
    QCOMPARE(shownWindows<Form2>(), 1);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<Form2*>(widget))
            widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(shownWindows<Form2>(), 0);

    fixture.window->helpmenu_Click();
    QCOMPARE(shownWindows<Form2>(), 1);
}

QTEST_MAIN(InformationCommands)
#include "tst_information_commands.moc"
