#include "ui/windows/help/help_window.h"

#include "ui/framework/window_builder.h"
#include "ui/windows/help/help_window_definition.h"

#include <QPlainTextEdit>

Form2::Form2(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    surface = &buildWindow(*this, helpWindowDefinition(), {{"Text1", Text1}});
}
