#include "support/recording_desktop.h"
#include "ui/windows/about/about_window.h"
#include "ui/windows/example/example_window.h"
#include "ui/windows/help/help_window.h"
#include "ui/windows/main/secondary_windows.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

class TestSecondaryWindows : public QObject {
    Q_OBJECT
private slots:
    void oneWindowPerKind_data();
    void oneWindowPerKind();
    void reloadedAfterClose_data();
    void reloadedAfterClose();
    void exampleClickKeepsItLoaded();
    void ownerDeletesTheWindows();

private:
    RecordingDesktop desktop_;
};

using Show = std::function<QWidget*(SecondaryWindows&)>;
Q_DECLARE_METATYPE(Show)

namespace {

void addKinds() {
    QTest::addColumn<Show>("show");
    QTest::newRow("About") << Show([](SecondaryWindows& w) -> QWidget* { return w.showAbout(); });
    QTest::newRow("Example") << Show([](SecondaryWindows& w) -> QWidget* { return w.showExample(); });
    QTest::newRow("Help") << Show([](SecondaryWindows& w) -> QWidget* { return w.showHelp(); });
}

} // namespace

void TestSecondaryWindows::oneWindowPerKind_data() {
    addKinds();
}

void TestSecondaryWindows::oneWindowPerKind() {
    QFETCH(Show, show);
    SecondaryWindows windows(desktop_, [] {});
    QWidget* first = show(windows);
    QVERIFY(first->isVisible());
    QCOMPARE(show(windows), first);
    QVERIFY(first->isVisible());
}

void TestSecondaryWindows::reloadedAfterClose_data() {
    addKinds();
}

void TestSecondaryWindows::reloadedAfterClose() {
    QFETCH(Show, show);
    SecondaryWindows windows(desktop_, [] {});
    QPointer<QWidget> closed = show(windows);
    QVERIFY(closed->close());

    // Shown again before the closed one is gone: a new one all the same.
    QWidget* loaded = show(windows);
    QVERIFY(loaded != closed);
    QVERIFY(loaded->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    QCOMPARE(show(windows), loaded);
}

void TestSecondaryWindows::exampleClickKeepsItLoaded() {
    int mainWindowShown = 0;
    SecondaryWindows windows(desktop_, [&mainWindowShown] { ++mainWindowShown; });
    QPointer<Form1> example = windows.showExample();
    QVERIFY(QTest::qWaitForWindowExposed(example));

    // The strip of the window's surface below the text box.
    QTest::mouseClick(example->windowHandle(), Qt::LeftButton, {},
                      QPoint(10, example->Text1->geometry().bottom() + 1));
    QCOMPARE(mainWindowShown, 1);
    QVERIFY(!example->isVisible());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(windows.showExample(), example.data());
    QVERIFY(example->isVisible());
}

void TestSecondaryWindows::ownerDeletesTheWindows() {
    QPointer<QWidget> about, example, help;
    {
        SecondaryWindows windows(desktop_, [] {});
        about = windows.showAbout();
        example = windows.showExample();
        help = windows.showHelp();
        example->hide();
    }
    QVERIFY(about.isNull());
    QVERIFY(example.isNull());
    QVERIFY(help.isNull());
}

QTEST_MAIN(TestSecondaryWindows)
#include "tst_secondary_windows.moc"
