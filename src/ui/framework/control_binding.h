#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Binds a control or menu item of a window definition, by its name, to the
// member of the window class that holds it: {"Text2", Text2}. The window's
// bindings are checked against its definition when it is built (see
// buildWindow): every row needs a member, every member a row of its kind.
class ControlBinding {
public:
    template <typename Control>
    ControlBinding(const char* name, Control*& member)
        : name_(name), type_(&Control::staticMetaObject), member_(&member),
          bind_([&member](QObject* object) { member = qobject_cast<Control*>(object); }) {}

    const char* name() const { return name_; }
    // The class of the member, which the control made for the row must be.
    const QMetaObject& type() const { return *type_; }
    // Which member it is, so that two names bound to one member show.
    const void* member() const { return member_; }
    void bind(QObject* object) const { bind_(object); }

private:
    const char* name_;
    const QMetaObject* type_;
    const void* member_;
    std::function<void(QObject*)> bind_;
};

using ControlBindings = std::vector<ControlBinding>;
