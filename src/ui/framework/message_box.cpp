#include "ui/framework/message_box.h"

#include "ui/framework/message_box_window.h"
#include "ui/framework/window_definition.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QStyle>

namespace {

// Beside its title a title bar holds the window's icon and its buttons, each
// about as wide as the bar is high.
constexpr int kTitleBarButtons = 4;

// A short message would make the box narrower than its title, which the
// window system then cuts ("Tovrel 2… unhold").
int titleWidth(const QMessageBox& box) {
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) +
           kTitleBarButtons * box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
    const WindowProperties& window = messageBoxWindow();
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QString::fromLatin1(window.caption), text,
                                             buttons, parent);
    box->setObjectName(QString::fromLatin1(window.name));
    box->setTextFormat(Qt::PlainText);
    // Screen readers find the message on the alert itself, not only in its label.
    box->setAccessibleDescription(text);
    box->setDefaultButton(QMessageBox::Ok);
    if (buttons & QMessageBox::Cancel)
        box->setEscapeButton(QMessageBox::Cancel);
    // The box sizes itself to its layout, so a spacer as wide as the title widens it.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(titleWidth(*box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}
