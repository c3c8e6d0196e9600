#include "ui/framework/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <vector>

namespace {

QAction* addItem(QWidget& parent, const QString& caption, bool submenu) {
    if (auto* bar = qobject_cast<QMenuBar*>(&parent))
        return submenu ? bar->addMenu(caption)->menuAction() : bar->addAction(caption);
    auto* menu = static_cast<QMenu*>(&parent);
    return submenu ? menu->addMenu(caption)->menuAction() : menu->addAction(caption);
}

} // namespace

bool opensSubmenu(const MenuTable& menus, std::size_t index) {
    return index + 1 < menus.size() && menus[index + 1].level > menus[index].level;
}

BuiltControls buildMenuBar(QMenuBar& menuBar, const MenuTable& menus) {
    BuiltControls built;
    // The open menus from the bar down to the current level. An item more than
    // one level below the one before it is a fault of the definition, reported
    // by its check; it goes into the deepest open menu.
    std::vector<QWidget*> path{&menuBar};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const MenuDefinition& row = menus[i];
        path.resize(std::min<std::size_t>(std::max(row.level, 0), path.size() - 1) + 1);
        const bool submenu = opensSubmenu(menus, i);
        QAction* action = addItem(*path.back(), QString::fromLatin1(row.caption), submenu);
        action->setObjectName(QString::fromLatin1(row.name));
        if (submenu) {
            action->menu()->setObjectName(QString::fromLatin1(row.name));
            path.push_back(action->menu());
            built.emplace(row.name, action->menu());
        } else {
            built.emplace(row.name, action);
        }
    }
    return built;
}
