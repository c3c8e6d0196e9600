#include "ui/framework/window_builder.h"

#include "ui/framework/accessibility.h"
#include "ui/framework/control_builder.h"
#include "ui/framework/definition_check.h"
#include "ui/framework/menu_builder.h"
#include "ui/framework/window_frame.h"
#include "ui/framework/window_surface.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

namespace {

void applyToolTips(const BuiltControls& built, const ToolTipTable& toolTips) {
    for (const ToolTipDefinition& each : toolTips) {
        const auto control = built.find(each.control);
        if (control != built.end())
            static_cast<QWidget*>(control->second)->setToolTip(QString::fromLatin1(each.toolTip));
    }
}

// A member whose name has no control is set to null, never left unset.
void bindControls(const BuiltControls& built, const ControlBindings& bindings) {
    for (const ControlBinding& binding : bindings) {
        const auto control = built.find(binding.name());
        binding.bind(control != built.end() ? control->second : nullptr);
    }
}

void report(const char* window, const QStringList& problems) {
    for (const QString& problem : problems)
        qWarning("window definition %s: %s", window, qPrintable(problem));
    Q_ASSERT_X(problems.isEmpty(), "buildWindow",
               "the window definition does not fit its class; see the warnings");
}

} // namespace

WindowSurface& buildWindow(QWidget& window, const WindowDefinition& definition,
                           const ControlBindings& bindings) {
    const WindowProperties& properties = definition.window;
    QStringList problems = definitionProblems(definition, bindings);
    registerWindowAccessible();
    window.setObjectName(QString::fromLatin1(properties.name));
    window.setWindowTitle(QString::fromLatin1(properties.caption));

    WindowSurface& surface = makeClientArea(window, properties);
    surface.setLines(definition.lines);
    BuiltControls built = buildControls(surface, definition.controls);
    applyToolTips(built, definition.toolTips);
    nameControls(built, definition);
    if (!definition.menus.empty()) {
        if (auto* main = qobject_cast<QMainWindow*>(&window))
            built.merge(buildMenuBar(*main->menuBar(), definition.menus));
        else
            problems << QStringLiteral("it has menus, which only a main window can hold");
    }
    frameWindow(window, surface, properties);
    bindControls(built, bindings);
    report(properties.name, problems);
    return surface;
}

void showWindow(QWidget& window, const WindowProperties& properties) {
    if (properties.state == WindowState::Maximized)
        window.showMaximized();
    else
        window.show();
}
