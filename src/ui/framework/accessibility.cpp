#include "ui/framework/accessibility.h"

#include "ui/framework/window_definition.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// A plain widget as Qt reports it, but as a window while it is one. The role
// is asked each time: a window gets its frame after Qt may have made this.
class PlainWidgetAccessible : public QAccessibleWidget {
public:
    explicit PlainWidgetAccessible(QWidget* widget) : QAccessibleWidget(widget) {}
    ~PlainWidgetAccessible() override = default;

    QAccessible::Role role() const override {
        if (!widget()->isWindow())
            return QAccessibleWidget::role();
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
};

// Asked for QWidget only after the classes derived from it: Qt's own windows
// (QMainWindow, QDialog, QMessageBox) keep their own interfaces.
QAccessibleInterface* makeWindowInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* accessible = new PlainWidgetAccessible(static_cast<QWidget*>(object));
    // None for a widget that is being destroyed, as Qt does: by then it has
    // told Qt's cache of its end, so an interface made now would outlive it
    // there. Any widget is asked for as QWidget once its own destructor ran.
    if (!accessible->isValid()) {
        delete accessible;
        return nullptr;
    }
    return accessible;
}

QWidget* controlNamed(const BuiltControls& built, const char* name) {
    const auto control = built.find(name);
    return control != built.end() ? qobject_cast<QWidget*>(control->second) : nullptr;
}

} // namespace

void registerWindowAccessible() {
    QAccessible::installFactory(&makeWindowInterface);
}

void nameControls(const BuiltControls& built, const WindowDefinition& definition) {
    for (const LabelDefinition& row : definition.labels)
        if (auto* label = qobject_cast<QLabel*>(controlNamed(built, row.label)))
            label->setBuddy(controlNamed(built, row.control));
    for (const AccessibleNameDefinition& row : definition.accessibleNames)
        if (QWidget* control = controlNamed(built, row.control))
            control->setAccessibleName(QString::fromLatin1(row.name));
}
