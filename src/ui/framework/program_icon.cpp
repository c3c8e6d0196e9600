#include "ui/framework/program_icon.h"

#include <QIcon>

QIcon programIcon() {
    // The drawn 32-pixel icon for title bars, and a large one for desktops that ask for more.
    QIcon icon(QStringLiteral(":/images/icon.png"));
    icon.addFile(QStringLiteral(":/images/icon_256.png"));
    return icon;
}
