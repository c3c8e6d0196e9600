// Every command of the main window from the keyboard alone: Tab or Shift+Tab
// from the input box to a button and Space on it, and the menus with Alt and
// the arrow keys. Each row types "ealpes" first, then presses its keys one by
// one wherever the focus is, as a user without a mouse would.

#include "ui/windows/main/main_window_fixture.h"

#include "ui/framework/control_colours.h"
#include "ui/framework/window_surface.h"
#include "ui/widgets/results_box.h"
#include "ui/windows/about/about_window.h"
#include "ui/windows/example/example_window.h"
#include "ui/windows/help/help_window.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QtTest>

namespace {

const QByteArray kList = wordList({"asleep", "elapse", "please", "sapele"});
const QString kWord = QStringLiteral("ealpes");

// What the commands changed since the word was typed, one line each: the
// texts of the input box, the results box and the count, the windows shown, the messages (their first
// three words), the colours and the end of the program.
QStringList whatChanged(const MainWindowFixture& fixture) {
    const formain& window = *fixture.window;
    QStringList changes;
    if (window.Text2->text() != kWord)
        changes << QStringLiteral("Text2 ") + window.Text2->text();
    if (!window.Text1->toPlainText().isEmpty())
        changes << QStringLiteral("Text1 ") + window.Text1->toPlainText();
    if (!window.Label4->text().isEmpty())
        changes << QStringLiteral("Label4 ") + window.Label4->text();
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (shown->isVisible() &&
            (qobject_cast<Form1*>(shown) || qobject_cast<Form2*>(shown) || qobject_cast<frmAbout*>(shown)))
            changes << QStringLiteral("shown ") + shown->objectName();
    for (const QString& message : fixture.desktop.messages)
        changes << QStringLiteral("message ") + message.section(QLatin1Char(' '), 0, 2);
    if (controlBackground(*window.surface) != kBlack)
        changes << QStringLiteral("background %1")
                       .arg(controlBackground(*window.surface), 8, 16, QLatin1Char('0'));
    if (controlForeground(*window.surface) != kRed)
        changes << QStringLiteral("text colour %1")
                       .arg(controlForeground(*window.surface), 8, 16, QLatin1Char('0'));
    if (fixture.desktop.programEnds)
        changes << QStringLiteral("ended");
    return changes;
}

} // namespace

class KeyboardCommands : public QObject {
    Q_OBJECT
private slots:
    void everyCommand_data();
    void everyCommand();
};

void KeyboardCommands::everyCommand_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("changes");

    const QStringList found{"Text1 asleep, elapse, please, sapele, ", "Label4 4"};
    QTest::newRow("!! Click to get Anagrams !!, three Tabs on")
        << QStringList{"Tab", "Tab", "Tab", "Space"} << found;
    QTest::newRow("!! Only Check The Number of Anagrams  !!, two back")
        << QStringList{"Shift+Tab", "Shift+Tab", "Space"} << QStringList{"Label4 4"};
    QTest::newRow("!! Game !!") << QStringList{"Tab", "Tab", "Space"} << QStringList{"Text2 pesale"};
    QTest::newRow("!! Randomize !!") << QStringList{"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Space"}
                                     << QStringList{"Text1 spaele"};
    QTest::newRow("!! Add Word To Dictionary !!")
        << QStringList{"Shift+Tab", "Shift+Tab", "Shift+Tab", "Space"}
        << QStringList{"Text1 The Word ealpes was successfully added to the Dictionary",
                       "message Are you sure"};
    QTest::newRow("!! Example !!") << QStringList{"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Space"}
                                   << QStringList{"shown Form1"};
    QTest::newRow("!! HELP !!, one back") << QStringList{"Shift+Tab", "Space"} << QStringList{"shown Form2"};
    QTest::newRow("!! EXIT !!") << QStringList{"Tab", "Tab", "Tab", "Tab", "Tab", "Space"}
                                << QStringList{"ended"};

    QTest::newRow("&Help") << QStringList{"Alt+H"} << QStringList{"shown Form2"};
    QTest::newRow("&About") << QStringList{"Alt+A"} << QStringList{"shown frmAbout"};
    QTest::newRow("&What is Anagram ?")
        << QStringList{"Alt+W"} << QStringList{"message Anagrams (Jumbled Words"};
    QTest::newRow("&Change Colour, Background, Blue")
        << QStringList{"Alt+C", "Return", "Down", "Return"} << QStringList{"background 00ff0000"};
    QTest::newRow("&Change Colour, TextColour, Black")
        << QStringList{"Alt+C", "Down", "Right", "Return"} << QStringList{"text colour 00000000"};
    QTest::newRow("the hint, right of &Change Colour")
        << QStringList{"Alt+C", "Escape", "Right", "Return"} << QStringList{"message Take your Mouse"};
    QTest::newRow("&Exit") << QStringList{"Alt+E"} << QStringList{"ended"};
}

void KeyboardCommands::everyCommand() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, changes);

    MainWindowFixture fixture(kList);
    fixture.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    fixture.type(kWord);
    QCOMPARE(QApplication::focusWidget(), fixture.window->Text2);

    // No receiver: each key goes where the focus is, or to the open menu.
    for (const QString& key : keys)
        QTest::keySequence(static_cast<QWidget*>(nullptr), QKeySequence(key, QKeySequence::PortableText));
    QCOMPARE(whatChanged(fixture), changes);
}

QTEST_MAIN(KeyboardCommands)
#include "tst_keyboard_commands.moc"
