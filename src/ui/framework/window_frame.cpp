#include "ui/framework/window_frame.h"

#include "ui/framework/twips.h"

#include <QIcon>
#include <QWidget>

void applyWindowFrame(QWidget& window, WindowFrame frame) {
    const Qt::WindowFlags kind = frame == WindowFrame::FixedDialog ? Qt::Dialog : Qt::Window;
    window.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(window.size());
    window.setWindowIcon(QIcon(QString::fromLatin1(kProgramIcon)));
}

void placeClientArea(QWidget& window, ClientPosition position) {
    // The geometry of a top-level widget is that of its client area, without the frame.
    window.setGeometry(
        QRect(QPoint(twipsToPixels(position.left), twipsToPixels(position.top)), window.size()));
}
