#include "ui/windows/main/main_window_fixture.h"

#include "ui/framework/classic_look.h"
#include "ui/framework/control_colours.h"
#include "ui/framework/window_surface.h"
#include "ui/widgets/results_box.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

QList<QWidget*> targets(const formain& window) {
    return {window.surface, window.Label1, window.Label3,  window.Label4,  window.Label8,  window.Label6,
            window.Frame1,  window.Frame2, window.Option1, window.Option3, window.Option4, window.Option2};
}

// Everything with colours of its own that is no colour target.
QList<QWidget*> others(formain& window) {
    return {window.Text1,     window.Text2,    window.Command1, window.Command2, window.Command3,
            window.Command4,  window.Command5, window.Command6, window.Command7, window.Command8,
            window.Picture1,  window.Label2,   window.Label5,   window.Shape1,   window.Shape2,
            window.menuBar(), &window};
}

} // namespace

class ColourSchemeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startColours();
    void colourItems_data();
    void colourItems();
    void framesInsideAsTheWindow_data();
    void framesInsideAsTheWindow();
};

void ColourSchemeTest::initTestCase() {
    installClassicLook();
}

void ColourSchemeTest::startColours() {
    MainWindowFixture fixture(wordList({"asleep"}));
    for (QWidget* target : targets(*fixture.window)) {
        QCOMPARE(controlBackground(*target), ColourValue{0x00000000});
        const ColourValue text = target == fixture.window->Label6 ? 0x00FFFFFF : 0x000000FF;
        QCOMPARE(controlForeground(*target), text);
    }
}

// Each item sets its one property on all twelve targets and nothing else.
void ColourSchemeTest::colourItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("isBackground");
    QTest::addColumn<uint>("colour");

    const std::pair<const char*, uint> colours[] = {
        {"Black", 0x00000000},   {"Blue", 0x00FF0000}, {"Cyan", 0x00FFFF00},  {"Green", 0x0000FF00},
        {"Magneta", 0x00FF00FF}, {"Red", 0x000000FF},  {"White", 0x00FFFFFF}, {"Yellow", 0x0000FFFF}};
    for (const auto& [name, value] : colours) {
        QTest::addRow("Background, %s", name)
            << QStringLiteral("vb%1%2").arg(QLatin1String(name), "1") << true << value;
        QTest::addRow("TextColour, %s", name)
            << QStringLiteral("vb%1").arg(QLatin1String(name)) << false << value;
    }
}

void ColourSchemeTest::colourItems() {
    QFETCH(QString, item);
    QFETCH(bool, isBackground);
    QFETCH(uint, colour);

    MainWindowFixture fixture(wordList({"asleep"}));
    formain& window = *fixture.window;
    // Start from colours that every item changes: a background of its own on
    // Label6 and Frame2 would hide a missed target.
    window.findChild<QAction*>(isBackground ? "vbMagneta1" : "vbMagneta")->trigger();
    if (item.startsWith(QLatin1String("vbMagneta")))
        window.findChild<QAction*>(isBackground ? "vbCyan1" : "vbCyan")->trigger();

    QList<ColourValue> otherRole;
    for (QWidget* target : targets(window))
        otherRole << (isBackground ? controlForeground(*target) : controlBackground(*target));
    QList<QPalette> untouched;
    for (QWidget* other : others(window))
        untouched << other->palette();

    window.findChild<QAction*>(item)->trigger();

    const QList<QWidget*> all = targets(window);
    for (int i = 0; i < all.size(); ++i) {
        const QWidget& target = *all[i];
        QCOMPARE(isBackground ? controlBackground(target) : controlForeground(target), colour);
        QCOMPARE(isBackground ? controlForeground(target) : controlBackground(target), otherRole[i]);
    }
    const QList<QWidget*> rest = others(window);
    for (int i = 0; i < rest.size(); ++i)
        QVERIFY2(rest[i]->palette() == untouched[i], qPrintable(rest[i]->objectName()));
}

// A frame is the window's colour inside, after load and after every
// background command: the same pixels just inside its border as the window
// has around it.
void ColourSchemeTest::framesInsideAsTheWindow_data() {
    QTest::addColumn<QString>("item");

    QTest::newRow("after load") << QString();
    for (const char* name : {"Black", "Blue", "Cyan", "Green", "Magneta", "Red", "White", "Yellow"})
        QTest::addRow("Background, %s", name) << QStringLiteral("vb%1%2").arg(QLatin1String(name), "1");
}

void ColourSchemeTest::framesInsideAsTheWindow() {
    QFETCH(QString, item);

    MainWindowFixture fixture(wordList({"asleep"}));
    formain& window = *fixture.window;
    window.resize(1100, 760); // every control in sight
    if (!item.isEmpty())
        window.findChild<QAction*>(item)->trigger();
    const QImage surface = window.surface->grab().toImage();
    const QRgb around = surface.pixel(window.Frame1->geometry().topLeft() - QPoint(4, 4));
    for (const QGroupBox* frame : {window.Frame1, window.Frame2}) {
        // Near the bottom left corner, clear of what lies in or on the frame.
        const QPoint inside = frame->geometry().bottomLeft() + QPoint(4, -4);
        QVERIFY(!window.surface->childAt(inside) || window.surface->childAt(inside) == frame);
        QCOMPARE(surface.pixel(inside), around);
    }
}

QTEST_MAIN(ColourSchemeTest)
#include "tst_colour_scheme.moc"
