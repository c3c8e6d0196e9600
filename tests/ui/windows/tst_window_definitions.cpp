// Every window built from its definition: each name of the definition and of
// the class's bindings resolves (a problem is a warning, which fails the test),
// every control is placed from its row, every tool tip lands on its control,
// every menu item is there, the window has its frame and icon, and the client
// area has its size and first place. Screen readers see the window as a frame
// or a dialog with its title, every control and menu item with the role of its
// kind and the name the definition gives it, and nothing that takes the focus
// without a name.

#include "support/recording_desktop.h"
#include "ui/framework/control_builder.h"
#include "ui/framework/twips.h"
#include "ui/framework/window_definition.h"
#include "ui/framework/window_surface.h"
#include "ui/windows/every_window.h"

#include <QAccessible>
#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

QString toolTipOf(const WindowDefinition& definition, const char* control) {
    for (const ToolTipDefinition& tip : definition.toolTips)
        if (qstrcmp(tip.control, control) == 0)
            return QString::fromLatin1(tip.toolTip);
    return QString();
}

// What screen readers are told a control of the kind is.
QAccessible::Role roleOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::TextArea:
    case ControlKind::ResultsBox:
        return QAccessible::EditableText;
    case ControlKind::Label:
        return QAccessible::StaticText;
    case ControlKind::Button:
        return QAccessible::Button;
    case ControlKind::Frame:
        return QAccessible::Grouping;
    case ControlKind::OptionButton:
        return QAccessible::RadioButton;
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return QAccessible::Graphic;
    case ControlKind::Shape:
        return QAccessible::Client; // an outline only, nothing to read
    }
    return QAccessible::NoRole;
}

// A caption as screen readers say it: without the mark of its access key.
QString spoken(const char* caption) {
    return QString::fromLatin1(caption).remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

QString captionOf(const WindowDefinition& definition, const char* control) {
    for (const ControlDefinition& row : definition.controls)
        if (qstrcmp(row.name, control) == 0)
            return spoken(row.caption);
    return QString();
}

// The name the definition gives the row's control: its own name, else the
// caption it shows, else the caption of the label that describes it, else
// that of the frame it lies in; none for a text box or a picture on the
// window without either.
QString nameOf(const WindowDefinition& definition, const ControlDefinition& row) {
    for (const AccessibleNameDefinition& each : definition.accessibleNames)
        if (qstrcmp(each.control, row.name) == 0)
            return QString::fromLatin1(each.name);
    const bool showsCaption = row.kind == ControlKind::Label || row.kind == ControlKind::Button ||
                              row.kind == ControlKind::Frame || row.kind == ControlKind::OptionButton;
    if (showsCaption && *row.caption)
        return spoken(row.caption);
    for (const LabelDefinition& each : definition.labels)
        if (qstrcmp(each.control, row.name) == 0)
            return captionOf(definition, each.label);
    return row.container == kWindow ? QString() : captionOf(definition, row.container);
}

// The controls that label the one of `accessible`, by their names.
QStringList labelsOf(QAccessibleInterface& accessible) {
    QStringList labels;
    for (const auto& [label, relation] : accessible.relations(QAccessible::Label))
        if (label->object())
            labels << label->object()->objectName();
    return labels;
}

// Every interface under `accessible` that takes the focus but has no name, as
// "role of parent name".
void findUnnamedFocusable(QAccessibleInterface& accessible, QStringList& unnamed) {
    for (int i = 0; i < accessible.childCount(); ++i) {
        QAccessibleInterface* child = accessible.child(i);
        if (!child)
            continue;
        if (child->state().focusable && child->text(QAccessible::Name).isEmpty())
            unnamed << QStringLiteral("%1 in %2").arg(child->role()).arg(accessible.text(QAccessible::Name));
        findUnnamedFocusable(*child, unnamed);
    }
}

// The menu items under `menu` as screen readers see them, depth first: "role name".
void listMenuItems(QAccessibleInterface& menu, QStringList& items) {
    for (int i = 0; i < menu.childCount(); ++i) {
        QAccessibleInterface* item = menu.child(i);
        items << QStringLiteral("%1 %2").arg(item->role()).arg(item->text(QAccessible::Name));
        if (item->childCount() == 1)
            listMenuItems(*item->child(0), items);
    }
}

} // namespace

class WindowDefinitions : public QObject {
    Q_OBJECT
private slots:
    void builtAsDefined_data();
    void builtAsDefined();

private:
    void checkAccessibility(QWidget& window, const WindowDefinition& defined);

    RecordingDesktop desktop_;
    NoSystemInformation systemInformation_;
};

void WindowDefinitions::builtAsDefined_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < everyWindow().size(); ++i)
        QTest::newRow(everyWindow()[i].name) << int(i);
}

void WindowDefinitions::builtAsDefined() {
    QFETCH(int, index);
    const EveryWindowRow& windowRow = everyWindow()[std::size_t(index)];

    QTest::failOnWarning(QRegularExpression(QStringLiteral("^window definition")));
    const std::unique_ptr<QWidget> window = windowRow.make(desktop_, systemInformation_);
    const WindowDefinition& defined = windowRow.definition();
    const WindowProperties& properties = defined.window;
    QCOMPARE(window->objectName(), QString::fromLatin1(properties.name));
    const QList<WindowSurface*> surfaces = window->findChildren<WindowSurface*>();
    QCOMPARE(surfaces.size(), 1);
    const WindowSurface* surface = surfaces.front();
    QCOMPARE(surface->size(),
             QSize(twipsToPixels(properties.clientWidth), twipsToPixels(properties.clientHeight)));
    QCOMPARE(window->minimumSize() == window->maximumSize(), properties.frame != WindowFrame::Sizable);
    QCOMPARE(window->windowType() == Qt::SplashScreen, properties.frame == WindowFrame::TitleLess);
    if (properties.icon == WindowIcon::Program) {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(256, 256)));
    } else {
        QVERIFY(window->windowIcon().isNull());
    }

    for (const ControlDefinition& row : defined.controls) {
        const QString name = QString::fromLatin1(row.name);
        const QList<QWidget*> found = window->findChildren<QWidget*>(name);
        QVERIFY2(found.size() == 1, qPrintable(name));
        const QWidget* control = found.front();
        const QWidget* container = row.container == kWindow
                                       ? surface
                                       : window->findChild<QWidget*>(QString::fromLatin1(row.container));
        QVERIFY2(control->parentWidget() == container, qPrintable(name));
        const QRect drawn = twipsRect(row.left, row.top, row.width, row.height);
        // A label that sizes itself to its caption keeps only its place.
        if (row.style & kAutoSize)
            QCOMPARE(control->pos(), drawn.topLeft());
        else
            QCOMPARE(control->geometry(), drawn);
        QCOMPARE(control->toolTip(), toolTipOf(defined, row.name));
    }
    for (const MenuDefinition& row : defined.menus)
        QVERIFY2(window->findChild<QAction*>(QString::fromLatin1(row.name)), row.name);
    checkAccessibility(*window, defined);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    switch (properties.position.kind) {
    case StartPosition::Kind::At:
        QCOMPARE(surface->mapToGlobal(QPoint(0, 0)),
                 QPoint(twipsToPixels(properties.position.left), twipsToPixels(properties.position.top)));
        break;
    case StartPosition::Kind::Centred:
        QCOMPARE(window->frameGeometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        break;
    case StartPosition::Kind::ChosenBySystem:
        break;
    }
}

void WindowDefinitions::checkAccessibility(QWidget& window, const WindowDefinition& defined) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
    QCOMPARE(accessible->role(),
             defined.window.frame == WindowFrame::FixedDialog ? QAccessible::Dialog : QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), window.windowTitle());

    for (const ControlDefinition& row : defined.controls) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(row.name));
        QAccessibleInterface* each = QAccessible::queryAccessibleInterface(control);
        QCOMPARE(each->role(), roleOf(row.kind));
        QCOMPARE(each->state().focusable, takesFocus(row));
        const QString name = nameOf(defined, row);
        QCOMPARE(each->text(QAccessible::Name), name);
        if (takesFocus(row))
            QVERIFY2(!name.isEmpty(), row.name);
    }
    for (const LabelDefinition& row : defined.labels) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(row.control));
        QCOMPARE(
            labelsOf(*QAccessible::queryAccessibleInterface(control)).count(QString::fromLatin1(row.label)),
            1);
    }

    QStringList unnamed;
    findUnnamedFocusable(*accessible, unnamed);
    QCOMPARE(unnamed, QStringList());

    QStringList items, expected;
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        listMenuItems(*QAccessible::queryAccessibleInterface(main->menuBar()), items);
    for (const MenuDefinition& row : defined.menus)
        expected << QStringLiteral("%1 %2").arg(QAccessible::MenuItem).arg(spoken(row.caption));
    QCOMPARE(items, expected);
}

QTEST_MAIN(WindowDefinitions)
#include "tst_window_definitions.moc"
