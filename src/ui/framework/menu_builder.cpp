#include "ui/framework/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace {

QAction* addItem(QWidget& parent, const QString& caption, bool opensSubmenu) {
    if (auto* bar = qobject_cast<QMenuBar*>(&parent))
        return opensSubmenu ? bar->addMenu(caption)->menuAction() : bar->addAction(caption);
    auto* menu = static_cast<QMenu*>(&parent);
    return opensSubmenu ? menu->addMenu(caption)->menuAction() : menu->addAction(caption);
}

} // namespace

void buildMenuBar(QMenuBar& menuBar, const MenuTable& menus) {
    // The open menus from the bar down to the current level.
    std::vector<QWidget*> path{&menuBar};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const MenuDefinition& row = menus[i];
        path.resize(static_cast<std::size_t>(row.level) + 1);
        const bool opensSubmenu = i + 1 < menus.size() && menus[i + 1].level > row.level;
        QAction* action = addItem(*path.back(), QString::fromLatin1(row.caption), opensSubmenu);
        action->setObjectName(QString::fromLatin1(row.name));
        if (opensSubmenu) {
            action->menu()->setObjectName(QString::fromLatin1(row.name));
            path.push_back(action->menu());
        }
    }
}

QAction* menuItem(const QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}
