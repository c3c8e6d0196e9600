// The message boxes of the real desktop, answered from the keyboard: screen
// readers meet each as an alert with the application's title that carries the
// message itself, and the key gives the answer.

#include "ui/framework/system_desktop.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

struct Seen {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
};

// Waits for the message box to open, notes what screen readers see of it and
// answers it with the key; a box that never opens is a failure, not a hang.
void answerWhenOpen(Qt::Key key, Seen& seen) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, key, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        seen = {accessible->role(), accessible->text(QAccessible::Name),
                accessible->text(QAccessible::Description)};
        QTest::keyClick(box, key);
        poll->deleteLater();
    });
    poll->start();
}

using Ask = std::function<bool(Desktop&, const QString&)>;

} // namespace

Q_DECLARE_METATYPE(Ask)
Q_DECLARE_METATYPE(Qt::Key)

class SystemDesktopTest : public QObject {
    Q_OBJECT
private slots:
    void boxIsAnAlertWithItsText_data();
    void boxIsAnAlertWithItsText();
};

void SystemDesktopTest::boxIsAnAlertWithItsText_data() {
    QTest::addColumn<Ask>("ask");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("answer");

    const Ask message = [](Desktop& desktop, const QString& text) {
        desktop.showMessage(nullptr, text);
        return true;
    };
    const Ask confirmation = [](Desktop& desktop, const QString& text) {
        return desktop.confirm(nullptr, text);
    };
    QTest::newRow("message, Enter") << message << Qt::Key_Return << true;
    QTest::newRow("confirmation, Enter on OK") << confirmation << Qt::Key_Return << true;
    QTest::newRow("confirmation, Esc") << confirmation << Qt::Key_Escape << false;
}

void SystemDesktopTest::boxIsAnAlertWithItsText() {
    QFETCH(Ask, ask);
    QFETCH(Qt::Key, key);
    QFETCH(bool, answer);

    SystemDesktop desktop;
    const QString text = QStringLiteral("The Word zyxwvut was successfully added to the Dictionary");
    Seen seen;
    answerWhenOpen(key, seen);
    QCOMPARE(ask(desktop, text), answer);
    QCOMPARE(seen.role, QAccessible::AlertMessage);
    QCOMPARE(seen.name, QStringLiteral("Tovrel 2 By Velmira Tunhold"));
    QCOMPARE(seen.description, text);
}

QTEST_MAIN(SystemDesktopTest)
#include "tst_system_desktop.moc"
