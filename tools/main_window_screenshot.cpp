#include "ui/framework/classic_look.h"
#include "ui/framework/system_desktop.h"
#include "ui/windows/main/formain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <cstdio>

// Renders the main window after a search for "ealpes" into a PNG, at a size
// that shows every control, as the window looks maximized on a small screen.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Usage: tovrel2-screenshot DICTIONARY OUTPUT.png\n");
        return 2;
    }
    // What the desktop's theme would have coloured the window with.
    std::printf("tovrel2-screenshot: the desktop's window colour is %s\n",
                qPrintable(QApplication::palette().window().color().name()));
    installClassicLook();

    SystemDesktop desktop;
    formain window(std::string(argv[1]), desktop);
    window.resize(1050, 712 + window.menuBar()->sizeHint().height());
    window.show();
    window.Text2->setText(QStringLiteral("ealpes"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(window.Text2, &enter);
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "tovrel2-screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
