// Every window built from its definition: each name of the definition and of
// the class's bindings resolves (a problem is a warning, which fails the test),
// every control is placed from its row, every tool tip lands on its control,
// every menu item is there, the window has its frame and icon, and the client
// area has its size and first place.

#include "platform/system_information.h"
#include "support/recording_desktop.h"
#include "ui/framework/twips.h"
#include "ui/framework/window_definition.h"
#include "ui/framework/window_surface.h"
#include "ui/windows/about/about_window.h"
#include "ui/windows/about/about_window_definition.h"
#include "ui/windows/example/example_window.h"
#include "ui/windows/example/example_window_definition.h"
#include "ui/windows/help/help_window.h"
#include "ui/windows/help/help_window_definition.h"
#include "ui/windows/main/formain.h"
#include "ui/windows/main/main_window_definition.h"
#include "ui/windows/splash/splash_window.h"
#include "ui/windows/splash/splash_window_definition.h"

#include <QAction>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

class NoSystemInformation : public SystemInformation {
public:
    std::optional<RegistryValue> lookUp(std::uint32_t, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool fileExists(const QString&) override { return false; }
};

using Make = std::function<std::unique_ptr<QWidget>()>;
using Definition = std::function<const WindowDefinition&()>;

QString toolTipOf(const WindowDefinition& definition, const char* control) {
    for (const ToolTipDefinition& tip : definition.toolTips)
        if (qstrcmp(tip.control, control) == 0)
            return QString::fromLatin1(tip.toolTip);
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Definition)

class WindowDefinitions : public QObject {
    Q_OBJECT
private slots:
    void builtAsDefined_data();
    void builtAsDefined();

private:
    RecordingDesktop desktop_;
    NoSystemInformation systemInformation_;
};

void WindowDefinitions::builtAsDefined_data() {
    QTest::addColumn<Make>("make");
    QTest::addColumn<Definition>("definition");

    QTest::newRow("formain") << Make([this] {
        return std::make_unique<formain>("/nonexistent/dictionary.txt", desktop_);
    }) << Definition(mainWindowDefinition);
    QTest::newRow("afSplash") << Make([] { return std::make_unique<afSplash>(std::function<void()>()); })
                              << Definition(splashWindowDefinition);
    QTest::newRow("frmAbout") << Make([this] {
        return std::make_unique<frmAbout>(desktop_, systemInformation_);
    }) << Definition(aboutWindowDefinition);
    QTest::newRow("Form1") << Make([] { return std::make_unique<Form1>([] {}); })
                           << Definition(exampleWindowDefinition);
    QTest::newRow("Form2") << Make([] { return std::make_unique<Form2>(); })
                           << Definition(helpWindowDefinition);
}

void WindowDefinitions::builtAsDefined() {
    QFETCH(Make, make);
    QFETCH(Definition, definition);

    QTest::failOnWarning(QRegularExpression(QStringLiteral("^window definition")));
    const std::unique_ptr<QWidget> window = make();
    const WindowDefinition& defined = definition();
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

QTEST_MAIN(WindowDefinitions)
#include "tst_window_definitions.moc"
