// What screen readers are told of windows whose class derives from QWidget
// itself: their role, whenever Qt made their interface, and no interface for
// a widget that is being destroyed.

#include "ui/framework/accessibility.h"

#include <QAccessible>
#include <QtTest>
#include <memory>

namespace {

// A control that asks for its window's interface while the window destroys
// it, as Qt's own events may do.
class AsksOnItsWayOut : public QWidget {
public:
    AsksOnItsWayOut(QWidget* window, QAccessibleInterface*& answer) : QWidget(window), answer_(answer) {}
    ~AsksOnItsWayOut() override { answer_ = QAccessible::queryAccessibleInterface(parentWidget()); }

private:
    QAccessibleInterface*& answer_;
};

} // namespace

Q_DECLARE_METATYPE(Qt::WindowType)

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerWindowAccessible(); }
    void windowRoles_data();
    void windowRoles();
    void noInterfaceForAWidgetOnItsWayOut();
};

void AccessibilityTest::windowRoles_data() {
    QTest::addColumn<bool>("child");
    QTest::addColumn<Qt::WindowType>("type");
    QTest::addColumn<bool>("askedFirst"); // Qt made the interface before the window had its frame
    QTest::addColumn<QAccessible::Role>("role");

    QTest::newRow("a control on a window") << true << Qt::Widget << false << QAccessible::Client;
    QTest::newRow("a window") << false << Qt::Window << false << QAccessible::Window;
    QTest::newRow("a dialog") << false << Qt::Dialog << false << QAccessible::Dialog;
    QTest::newRow("a splash") << false << Qt::SplashScreen << false << QAccessible::Window;
    QTest::newRow("a dialog that was a control when asked")
        << true << Qt::Dialog << true << QAccessible::Dialog;
}

void AccessibilityTest::windowRoles() {
    QFETCH(bool, child);
    QFETCH(Qt::WindowType, type);
    QFETCH(bool, askedFirst);
    QFETCH(QAccessible::Role, role);

    QWidget owner;
    QWidget widget(child ? &owner : nullptr);
    widget.setWindowTitle(QStringLiteral("Tovrel"));
    if (askedFirst)
        QCOMPARE(QAccessible::queryAccessibleInterface(&widget)->role(), QAccessible::Client);
    if (type != Qt::Widget)
        widget.setWindowFlags(type);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    QCOMPARE(accessible->role(), role);
    if (role != QAccessible::Client)
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Tovrel"));
}

void AccessibilityTest::noInterfaceForAWidgetOnItsWayOut() {
    QAccessibleInterface* answer = nullptr;
    auto window = std::make_unique<QWidget>();
    new AsksOnItsWayOut(window.get(), answer);
    window.reset();
    QCOMPARE(answer, nullptr);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
