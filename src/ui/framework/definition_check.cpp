#include "ui/framework/definition_check.h"

#include "ui/framework/control_builder.h"
#include "ui/framework/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <map>
#include <set>
#include <string_view>

namespace {

QString name(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The class each named row is made into.
std::map<std::string_view, const QMetaObject*> rowClasses(const WindowDefinition& definition,
                                                          QStringList& problems) {
    std::map<std::string_view, const QMetaObject*> classes;
    const auto add = [&](const char* row, const QMetaObject& type) {
        if (!classes.emplace(row, &type).second)
            problems << QStringLiteral("%1 is the name of two rows").arg(name(row));
    };
    for (const ControlDefinition& row : definition.controls)
        add(row.name, controlClass(row.kind));
    for (std::size_t i = 0; i < definition.menus.size(); ++i)
        add(definition.menus[i].name,
            opensSubmenu(definition.menus, i) ? QMenu::staticMetaObject : QAction::staticMetaObject);
    return classes;
}

void checkContainers(const ControlTable& controls, QStringList& problems) {
    std::set<std::string_view> frames;
    for (const ControlDefinition& row : controls)
        if (row.kind == ControlKind::Frame && row.container == kWindow)
            frames.insert(row.name);
    for (const ControlDefinition& row : controls)
        if (row.container != kWindow && !frames.count(row.container))
            problems << QStringLiteral("%1 lies in %2, which is no frame on the window")
                            .arg(name(row.name), name(row.container));
}

void checkToolTips(const WindowDefinition& definition, QStringList& problems) {
    std::set<std::string_view> controls;
    for (const ControlDefinition& row : definition.controls)
        controls.insert(row.name);
    std::set<std::string_view> tipped;
    for (const ToolTipDefinition& tip : definition.toolTips) {
        if (!controls.count(tip.control))
            problems << QStringLiteral("the tool tip for %1 names no control of the window")
                            .arg(name(tip.control));
        else if (!tipped.insert(tip.control).second)
            problems << QStringLiteral("%1 has two tool tips").arg(name(tip.control));
    }
}

void checkMenuLevels(const MenuTable& menus, QStringList& problems) {
    int level = -1;
    for (const MenuDefinition& row : menus) {
        if (row.level < 0 || row.level > level + 1)
            problems << QStringLiteral("the menu item %1 lies more than one level below the item before it")
                            .arg(name(row.name));
        level = row.level;
    }
}

// A button or an option is named by its caption, without the marks of its access key.
bool namedByCaption(const ControlDefinition& row) {
    return (row.kind == ControlKind::Button || row.kind == ControlKind::OptionButton) &&
           !QString::fromLatin1(row.caption).remove(QLatin1Char('&')).isEmpty();
}

void checkAccessibleNames(const WindowDefinition& definition, QStringList& problems) {
    std::map<std::string_view, ControlKind> kinds;
    for (const ControlDefinition& row : definition.controls)
        kinds.emplace(row.name, row.kind);
    std::set<std::string_view> named;
    // Each control has one label or name at most, of a control the window has.
    const auto nameOnce = [&](const char* control, const QString& unknown) {
        if (!kinds.count(control))
            problems << unknown;
        else if (!named.insert(control).second)
            problems << QStringLiteral("%1 has two labels or names").arg(name(control));
    };
    for (const LabelDefinition& row : definition.labels) {
        const auto label = kinds.find(row.label);
        if (label == kinds.end() || label->second != ControlKind::Label)
            problems << QStringLiteral("%1 describes %2 but is no label of the window")
                            .arg(name(row.label), name(row.control));
        nameOnce(row.control, QStringLiteral("the label %1 describes %2, which is no control of the window")
                                  .arg(name(row.label), name(row.control)));
    }
    for (const AccessibleNameDefinition& row : definition.accessibleNames) {
        if (!*row.name)
            problems << QStringLiteral("the name of %1 is empty").arg(name(row.control));
        nameOnce(row.control,
                 QStringLiteral("the name for %1 names no control of the window").arg(name(row.control)));
    }
    for (const ControlDefinition& row : definition.controls)
        if (takesFocus(row) && !namedByCaption(row) && !named.count(row.name))
            problems << QStringLiteral(
                            "%1 takes the focus but has no caption, label or name for screen readers")
                            .arg(name(row.name));
}

} // namespace

QStringList definitionProblems(const WindowDefinition& definition, const ControlBindings& bindings) {
    QStringList problems;
    const auto classes = rowClasses(definition, problems);
    checkContainers(definition.controls, problems);
    checkToolTips(definition, problems);
    checkMenuLevels(definition.menus, problems);
    checkAccessibleNames(definition, problems);

    std::set<std::string_view> bound;
    std::map<const void*, const char*> members;
    for (const ControlBinding& binding : bindings) {
        const auto [member, first] = members.emplace(binding.member(), binding.name());
        if (!first)
            problems << QStringLiteral("%1 and %2 are bound to the same member")
                            .arg(name(member->second), name(binding.name()));
        const auto row = classes.find(binding.name());
        if (row == classes.end()) {
            problems
                << QStringLiteral("the member %1 has no row in the definition").arg(name(binding.name()));
            continue;
        }
        if (!bound.insert(binding.name()).second)
            problems << QStringLiteral("%1 is bound to two members").arg(name(binding.name()));
        if (!row->second->inherits(&binding.type()))
            problems << QStringLiteral("%1 is made a %2, which its member, a %3, cannot hold")
                            .arg(name(binding.name()), QLatin1String(row->second->className()),
                                 QLatin1String(binding.type().className()));
    }
    for (const auto& [row, type] : classes)
        if (!bound.count(row))
            problems << QStringLiteral("%1 of the definition is bound to no member").arg(name(row));
    return problems;
}
