#include "ui/framework/control_colours.h"
#include "ui/framework/window_surface.h"
#include "ui/windows/splash/splash_window.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QtTest>

class SplashTest : public QObject {
    Q_OBJECT
private slots:
    void window();
    void controls_data();
    void controls();
    void ticksCountThenHandOver();
    void clicksAndKeysChangeNothing();
    void timerHandsOverAfterElevenTicks();
};

void SplashTest::window() {
    afSplash splash({});
    QCOMPARE(splash.objectName(), QStringLiteral("afSplash"));
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash.windowTitle().isEmpty());
    QCOMPARE(splash.surface->size(), QSize(618, 277));
    QCOMPARE(splash.frameGeometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    QVERIFY(!splash.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(splash.Timer2->interval(), 150);
    QVERIFY(splash.Timer2->isActive());
    QCOMPARE(splash.Label2->text(), QString());
}

void SplashTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // an empty size for labels that size themselves
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<uint>("background");

    QTest::newRow("Label2") << "Label2" << QRect(208, 136, 81, 65) << ""
                            << "MS Sans Serif" << 24.0 << 0x00FF8080u;
    QTest::newRow("lblProductName, sized to its caption")
        << "lblProductName" << QRect(176, 48, 0, 0) << "TOVREL 2"
        << "Arial" << 32.25 << 0x00FF8080u;
    QTest::newRow("lblPlatform, sized to its caption")
        << "lblPlatform" << QRect(368, 136, 0, 0) << "Platform : Windows"
        << "Arial" << 15.75 << 0x00FF8080u;
    QTest::newRow("lblCompany") << "lblCompany" << QRect(368, 232, 249, 33) << "Company : Corvanel"
                                << "Arial" << 11.25 << 0x00FF8080u;
    QTest::newRow("lblWarning, regular") << "lblWarning" << QRect(16, 240, 457, 13) << "Warning"
                                         << "Arial" << 8.25 << 0x00FF8080u;
    QTest::newRow("imgLogo") << "imgLogo" << QRect(8, 16, 161, 263) << ""
                             << "" << 0.0 << 0u;
}

void SplashTest::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(uint, background);

    afSplash splash({});
    QWidget* control = splash.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), splash.Frame1);
    QCOMPARE(control->pos(), geometry.topLeft());
    if (!geometry.size().isEmpty())
        QCOMPARE(control->size(), geometry.size());
    if (face.isEmpty())
        return;
    QCOMPARE(control->property("text").toString(), caption);
    QCOMPARE(control->font().family(), face);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(controlBackground(*control), background);
}

// Label2 shows the ticks before the current one; the eleventh closes the
// window and hands over, once.
void SplashTest::ticksCountThenHandOver() {
    int handOvers = 0;
    QPointer<afSplash> splash = new afSplash([&] { ++handOvers; });
    splash->show();
    for (int tick = 0; tick < 10; ++tick) {
        splash->Timer2_Timer();
        QCOMPARE(splash->Label2->text(), QString::number(tick));
        QVERIFY(splash->isVisible());
    }
    QCOMPARE(handOvers, 0);
    splash->Timer2_Timer();
    QCOMPARE(splash->Label2->text(), QStringLiteral("10"));
    QVERIFY(!splash->isVisible());
    QVERIFY(!splash->Timer2->isActive());
    QCOMPARE(handOvers, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(splash.isNull());
}

void SplashTest::clicksAndKeysChangeNothing() {
    int handOvers = 0;
    afSplash splash([&] { ++handOvers; });
    splash.show();
    splash.Timer2_Timer();
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::mouseClick(splash.Label2, Qt::LeftButton);
    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::keyClick(&splash, Qt::Key_Return);
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.Label2->text(), QStringLiteral("0"));
    splash.Timer2_Timer();
    QCOMPARE(splash.Label2->text(), QStringLiteral("1"));
    QCOMPARE(handOvers, 0);
}

void SplashTest::timerHandsOverAfterElevenTicks() {
    bool handedOver = false;
    QElapsedTimer clock;
    clock.start();
    auto* splash = new afSplash([&] { handedOver = true; });
    splash->show();
    QTRY_VERIFY_WITH_TIMEOUT(handedOver, 10000);
    // Eleven intervals of 150 ms; timers may fire a little early.
    QVERIFY(clock.elapsed() >= 1500);
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
