#include "ui/windows/main/main_window_fixture.h"

#include "ui/framework/classic_look.h"
#include "ui/framework/control_colours.h"
#include "ui/framework/window_surface.h"
#include "ui/widgets/results_box.h"
#include "ui/widgets/shrinking_label.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray kList = wordList({"asleep"});

QString captionOf(const QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    if (const auto* text = qobject_cast<const ResultsBox*>(&control))
        return text->toPlainText();
    return control.property("text").toString();
}

// The menu tree as lines "level name caption", depth first.
void listMenu(const QList<QAction*>& actions, int level, QStringList& lines) {
    for (const QAction* action : actions) {
        lines << QStringLiteral("%1 %2 %3").arg(level).arg(action->objectName(), action->text());
        if (action->menu())
            listMenu(action->menu()->actions(), level + 1, lines);
    }
}

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void window();
    void controls_data();
    void controls();
    void definitionColours_data();
    void definitionColours();
    void shapesFrameTheirButtons();
    void toolTips_data();
    void toolTips();
    void tabOrder();
    void menuTree();
    void hoverLooks_data();
    void hoverLooks();
    void countShowsWhole_data();
    void countShowsWhole();
};

void MainWindowLayoutTest::initTestCase() {
    installClassicLook();
}

void MainWindowLayoutTest::window() {
    MainWindowFixture fixture(kList);
    formain& window = *fixture.window;
    QCOMPARE(window.objectName(), QStringLiteral("formain"));
    QCOMPARE(window.windowTitle(), QStringLiteral("TOVREL -- BY VELMIRA TUNHOLD"));
    QCOMPARE(window.centralWidget(), window.surface);
    QCOMPARE(window.surface->size(), QSize(1000, 581));
    QVERIFY(!window.Label5->isVisible());
    // The window's black and red stay off the menu bar.
    const QPalette system = QApplication::palette(window.menuBar());
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button})
        QCOMPARE(window.menuBar()->palette().color(role), system.color(role));

    const QRect text2 = window.Text2->geometry();
    window.showAtStart();
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    window.resize(600, 400);
    QCOMPARE(window.Text2->geometry(), text2);
}

void MainWindowLayoutTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // a class the control inherits; empty for any
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");

    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QString surface = QString();
    QTest::newRow("Text2") << "Text2"
                           << "QLineEdit" << surface << QRect(360, 256, 321, 36) << "" << sansSerif << 12.0
                           << 700;
    QTest::newRow("Label1") << "Label1"
                            << "QLabel" << surface << QRect(368, 216, 305, 33)
                            << "Please Enter your Word Below" << sansSerif << 13.5 << 700;
    QTest::newRow("Text1") << "Text1"
                           << "" << surface << QRect(240, 360, 545, 137) << "" << sansSerif << 12.0 << 700;
    QTest::newRow("Command4, Bookman") << "Command4"
                                       << "QPushButton" << surface << QRect(824, 584, 161, 33) << "!! EXIT !!"
                                       << "Bookman Old Style" << 15.75 << 600;
    QTest::newRow("Command7, two blanks")
        << "Command7"
        << "QPushButton" << surface << QRect(24, 512, 129, 57) << "!! Only Check The Number of Anagrams  !!"
        << sansSerif << 9.75 << 700;
    QTest::newRow("Frame1, blank at the end") << "Frame1"
                                              << "QGroupBox" << surface << QRect(808, 336, 201, 217)
                                              << "Select your choice : " << sansSerif << 8.25 << 700;
    QTest::newRow("Option3 in Frame1")
        << "Option3"
        << "QRadioButton"
        << "Frame1" << QRect(24, 120, 169, 33) << "PARTIAL WORDS" << sansSerif << 9.75 << 700;
    QTest::newRow("Picture1 above the edge")
        << "Picture1"
        << "QLabel" << surface << QRect(816, -24, 225, 209) << "" << QString() << 0.0 << 0;
    QTest::newRow("Label2, Book Antiqua") << "Label2"
                                          << "QLabel" << surface << QRect(136, 680, 793, 25)
                                          << "Parishramena Hi Sidyanti Karyani... Na Manorathe.. Only "
                                             "Hardwork Fetches Success... Nothing Else...."
                                          << "Book Antiqua" << 12.0 << 700;
    QTest::newRow("Label3, two blanks")
        << "Label3"
        << "QLabel" << surface << QRect(392, 520, 265, 33) << "Number Of Results Found :  "
        << "Bookman Old Style" << 14.25 << 600;
    QTest::newRow("Label4") << "Label4"
                            << "QLabel" << surface << QRect(672, 520, 65, 33) << "0"
                            << "Bookman Old Style" << 14.25 << 600;
    QTest::newRow("Label6")
        << "Label6"
        << "QLabel" << surface << QRect(336, 600, 401, 73)
        << "Anagrams (Jumbled Words - A word or phrase spelled by rearranging the letters of "
           "another word or phrase).  e.g rdsow = words, sword\""
        << sansSerif << 8.25 << 700;
    QTest::newRow("Label8, default font")
        << "Label8"
        << "QLabel" << surface << QRect(336, 304, 369, 17)
        << "Enter the text above and Press Enter To Find Complete Anagrams By Default" << sansSerif << 8.25
        << 400;
    QTest::newRow("Label5, Arial") << "Label5"
                                   << "QLabel" << surface << QRect(200, 296, 625, 329)
                                   << "PARISHRAMENA HI SIDYANTI KARYANI NA MANORATHE NA HE SUPTASYA SINHASYA "
                                      "PRAWISHANTI MUKHE MRIGA ------  "
                                      "VELMIRA TUNHOLD" +
                                          QString(39, QLatin1Char(' ')) +
                                          "Please Close and Restart The SOFTWARE"
                                   << "Arial" << 24.0 << 700;
    QTest::newRow("Frame2, empty") << "Frame2"
                                   << "QGroupBox" << surface << QRect(16, 320, 145, 329)
                                   << "Other Features :" << sansSerif << 8.25 << 700;
    QTest::newRow("Shape1") << "Shape1"
                            << "QWidget" << surface << QRect(800, 232, 209, 65) << "" << QString() << 0.0
                            << 0;
}

void MainWindowLayoutTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(int, weight);

    MainWindowFixture fixture(kList);
    QWidget* control = fixture.window->findChild<QWidget*>(name);
    QVERIFY(control);
    if (!kind.isEmpty())
        QVERIFY(control->inherits(qPrintable(kind)));
    QCOMPARE(control->parentWidget()->objectName(), container);
    if (container.isEmpty())
        QCOMPARE(control->parentWidget(), fixture.window->surface);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(captionOf(*control), caption);
    if (!face.isEmpty()) {
        QCOMPARE(control->font().family(), face);
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(int(control->font().weight()), weight);
        QVERIFY(!control->font().italic() && !control->font().underline() && !control->font().strikeOut());
    }
}

// The colours that the load event leaves as the definition gives them.
void MainWindowLayoutTest::definitionColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("foreground");

    QTest::newRow("Command1 face") << "Command1" << 0x00FFC0C0u
                                   << valueFromColour(QPalette().buttonText().color());
    QTest::newRow("Command8 face") << "Command8" << 0x00FFC0C0u
                                   << valueFromColour(QPalette().buttonText().color());
    QTest::newRow("Label2") << "Label2" << 0x00000000u << 0x00FFFFFFu;
    QTest::newRow("Label5") << "Label5" << 0x00808000u << 0x008080FFu;
    QTest::newRow("Label6") << "Label6" << 0x00000000u << 0x00FFFFFFu;
    QTest::newRow("Frame2 background") << "Frame2" << 0x00000000u << 0x000000FFu;
    QTest::newRow("Text2 system") << "Text2" << valueFromColour(QPalette().base().color())
                                  << valueFromColour(QPalette().text().color());
    QTest::newRow("Text1 system") << "Text1" << valueFromColour(QPalette().base().color())
                                  << valueFromColour(QPalette().text().color());
    QTest::newRow("Picture1 system") << "Picture1" << valueFromColour(QPalette().window().color())
                                     << valueFromColour(QPalette().windowText().color());
}

void MainWindowLayoutTest::definitionColours() {
    QFETCH(QString, name);
    QFETCH(uint, background);
    QFETCH(uint, foreground);

    MainWindowFixture fixture(kList);
    const QWidget* control = fixture.window->findChild<QWidget*>(name);
    QCOMPARE(controlBackground(*control), background);
    QCOMPARE(controlForeground(*control), foreground);
}

void MainWindowLayoutTest::shapesFrameTheirButtons() {
    MainWindowFixture fixture(kList);
    const formain& window = *fixture.window;
    QCOMPARE(window.Shape1->geometry().adjusted(8, 8, -8, -8), window.Command1->geometry());
    QCOMPARE(window.Shape2->geometry().adjusted(8, 8, -8, -8), window.Command8->geometry());
    QVERIFY(window.Shape1->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void MainWindowLayoutTest::toolTips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");

    const QString count =
        QStringLiteral("Click here To see Only The Number of Anagrams Possible without Displaying the "
                       "Anagrams. No. Of Results depends according to the Type Of Anagram");
    QTest::newRow("Text2, blank at the end")
        << "Text2"
        << "Give your word here or get the computer word (in game) here ";
    QTest::newRow("Text1, two blanks") << "Text1"
                                       << "You will get your anagrams (answers)  here";
    QTest::newRow("Command6 as Command5") << "Command6"
                                          << "Give the Word Which you want to Randomize (The letters) onto "
                                             "the main text field above and get the "
                                             "randomized word in big text box below";
    QTest::newRow("Command7") << "Command7" << count;
    QTest::newRow("Label4 as Command7") << "Label4" << count;
    QTest::newRow("Frame2 as Frame1") << "Frame2"
                                      << "Hover your Mouse over any of the choice to know more about it";
    QTest::newRow("Option2, unclosed bracket")
        << "Option2"
        << "EXTENDED uses the letters of the given word but number of times the letter is used is varied. "
           "E.g TOL "
           "given LOOT n TOOL (No. of times 'O' is used is two whereas word had only 1 'O' ";
    QTest::newRow("Option4, two blanks") << "Option4"
                                         << "Like Extened It uses the letters more number of times than in "
                                            "the given word but few unwanted letters may "
                                            "be deleted like Partial Words E.g  PLEASE : PAPPAS n ALLELE";
    QTest::newRow("Label2, blank at the end")
        << "Label2"
        << "Velmira Tunhold (The Programmer) 's Favorite Quotation. It completes as Parishramena hi sidyanti "
           "karyani.. "
           "Na manorathe.. Na hi suptasya Singhasya Pravishanti Mukhe Mriga.. ";
    QTest::newRow("Picture1")
        << "Picture1"
        << "This is the logo of Tovrel, Big QV represents intial letters of the software and "
           "the Name (in red) represents the name of the programmer of this software";
    QTest::newRow("Label1 has none") << "Label1"
                                     << "";
    QTest::newRow("Label6 has none") << "Label6"
                                     << "";
}

void MainWindowLayoutTest::toolTips() {
    QFETCH(QString, name);
    QFETCH(QString, toolTip);

    MainWindowFixture fixture(kList);
    QCOMPARE(fixture.window->findChild<QWidget*>(name)->toolTip(), toolTip);
}

// Tab visits the controls that take focus by tab index; of the options only
// the selected one.
void MainWindowLayoutTest::tabOrder() {
    MainWindowFixture fixture(kList);
    const auto visit = [] {
        QStringList names{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    };
    QCOMPARE(visit(),
             QStringList({"Text2", "Text1", "Command2", "Command1", "Option1", "Command4", "Command3",
                          "Command5", "Picture1", "Command6", "Command7", "Command8", "Text2"}));

    fixture.window->Option1->setFocus();
    QTest::keyClick(fixture.window->Option1, Qt::Key_Down);
    QVERIFY(fixture.window->Option2->isChecked());
    fixture.window->Text2->setFocus();
    QCOMPARE(visit().mid(4, 2), QStringList({"Option2", "Command4"}));
}

void MainWindowLayoutTest::menuTree() {
    MainWindowFixture fixture(kList);
    QStringList lines;
    listMenu(fixture.window->menuBar()->actions(), 0, lines);
    const QString hint = QStringLiteral("<") + QString(16, QLatin1Char('-')) +
                         QStringLiteral(" KEEP YOUR MOUSE OVER ANY FIELD TO KNOW MORE ABOUT IT ") +
                         QString(16, QLatin1Char('-')) + QStringLiteral(">");
    const QStringList colours{"Black", "Blue", "Cyan", "Green", "Magneta", "Red", "White", "Yellow"};
    QStringList expected{"0 helpmenu &Help", "0 About &About", "0 anagram \"&What is Anagram ?\" ",
                         "0 color &Change Colour", "1 background Background"};
    for (const QString& colour : colours)
        expected << "2 vb" + colour + "1 " + (colour == "Magneta" ? "Magenta" : colour);
    expected << "1 textcolor TextColour";
    for (const QString& colour : colours)
        expected << "2 vb" + colour + " " + (colour == "Magneta" ? "Magenta" : colour);
    expected << "0 help " + hint << "0 Exit &Exit";
    QCOMPARE(lines, expected);
    for (const QAction* item : fixture.window->menuBar()->findChildren<QAction*>())
        QVERIFY(item->shortcut().isEmpty() && !item->isCheckable());
}

// Moves of the pointer, in order, and the look of Label6 after them. A move is
// a control's name (its centre), "surface" (a bare spot), "outline" (inside
// Shape2 but beside its button), "frame" (inside Frame2 but beside its
// buttons) or a colour item's name (chosen, not a move).
void MainWindowLayoutTest::hoverLooks_data() {
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<double>("points");
    QTest::addColumn<uint>("textColour");

    const uint white = 0x00FFFFFF;
    const uint yellow = 0x0000FFFF;
    QTest::newRow("before any move") << QStringList{} << 8.25 << white;
    QTest::newRow("bare surface") << QStringList{"surface"} << 8.0 << white;
    QTest::newRow("onto Label6") << QStringList{"surface", "Label6"} << 11.0 << yellow;
    QTest::newRow("Label6, then bare surface") << QStringList{"Label6", "surface"} << 8.0 << white;
    QTest::newRow("Label6, then a text box keeps the hover look")
        << QStringList{"Label6", "Text1"} << 11.0 << yellow;
    QTest::newRow("Label6, then another label keeps the hover look")
        << QStringList{"Label6", "Label3"} << 11.0 << yellow;
    QTest::newRow("Label6, then a frame keeps the hover look")
        << QStringList{"Label6", "frame"} << 11.0 << yellow;
    QTest::newRow("Label6, then the outline of a shape is surface")
        << QStringList{"Label6", "outline"} << 8.0 << white;
    QTest::newRow("text colour chosen") << QStringList{"vbRed"} << 8.25 << 0x000000FFu;
    QTest::newRow("text colour chosen, then hover and rest")
        << QStringList{"vbRed", "Label6", "surface"} << 8.0 << white;
}

void MainWindowLayoutTest::hoverLooks() {
    QFETCH(QStringList, moves);
    QFETCH(double, points);
    QFETCH(uint, textColour);

    MainWindowFixture fixture(kList);
    formain& window = *fixture.window;
    window.resize(1100, 760); // every control in sight
    for (const QString& move : moves) {
        if (move.startsWith(QLatin1String("vb"))) {
            window.findChild<QAction*>(move)->trigger();
            continue;
        }
        QPoint at;
        if (move == QLatin1String("surface"))
            at = QPoint(700, 150); // on the banner, clear of every control (checked below)
        else if (move == QLatin1String("outline"))
            at = window.Shape2->geometry().topLeft() + QPoint(4, 20);
        else if (move == QLatin1String("frame"))
            at = window.Frame2->geometry().topLeft() + QPoint(4, 60);
        else
            at = window.findChild<QWidget*>(move)->geometry().center();
        if (move == QLatin1String("surface"))
            QVERIFY(!window.surface->childAt(at));
        QTest::mouseMove(window.surface, at);
    }
    QCOMPARE(window.Label6->font().pointSizeF(), points);
    QCOMPARE(window.Label6->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(window.Label6->font().weight(), QFont::Bold);
    QCOMPARE(controlForeground(*window.Label6), textColour);
    QCOMPARE(window.Label6->geometry(), QRect(336, 600, 401, 73));
}

// The number of results, of any size a 64-bit count can reach, shows whole
// inside Label4's box, in the definition's font where it fits and otherwise
// in a size just small enough.
void MainWindowLayoutTest::countShowsWhole_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("shrunk");

    QTest::newRow("1") << "1" << false;
    QTest::newRow("99999") << "99999" << false;
    QTest::newRow("115188, the partial words of the alphabet three times over") << "115188" << true;
    QTest::newRow("2^63") << "9223372036854775808" << true;
    QTest::newRow("2^64 - 1") << "18446744073709551615" << true;
}

void MainWindowLayoutTest::countShowsWhole() {
    QFETCH(QString, count);
    QFETCH(bool, shrunk);

    MainWindowFixture fixture(kList);
    auto* label = qobject_cast<ShrinkingLabel*>(fixture.window->Label4);
    QVERIFY(label);
    label->setText(count);
    const QFont shown = label->shownFont();
    qInfo("%s shown at %.2f points", qPrintable(count), shown.pointSizeF());
    const QRect box = label->contentsRect();
    const QFontMetrics metrics(shown);
    QVERIFY(metrics.horizontalAdvance(count) <= box.width());
    QVERIFY(metrics.tightBoundingRect(count).height() <= box.height());
    QCOMPARE(shown.family(), label->font().family());
    QCOMPARE(shown.pointSizeF() < label->font().pointSizeF(), shrunk);
    if (shrunk) {
        QFont larger = shown;
        larger.setPointSizeF(shown.pointSizeF() + 0.25);
        QVERIFY(QFontMetrics(larger).horizontalAdvance(count) > box.width());
    }
    QCOMPARE(label->geometry(), QRect(672, 520, 65, 33));
    QCOMPARE(label->font().pointSizeF(), 14.25);
}

QTEST_MAIN(MainWindowLayoutTest)
#include "tst_main_window_layout.moc"
