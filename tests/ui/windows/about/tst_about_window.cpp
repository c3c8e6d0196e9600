#include "platform/system_information.h"
#include "support/recording_desktop.h"
#include "ui/framework/window_surface.h"
#include "ui/windows/about/about_window.h"
#include "ui/windows/about/about_window_definition.h"

#include <QImage>
#include <QLabel>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QWindow>

namespace {

// Answers the look-ups from a table and notes the value names asked, in order.
class FakeSystemInformation : public SystemInformation {
public:
    QMap<QString, RegistryValue> values; // by value name, under the key the window asks for it
    QSet<QString> files;
    QStringList asked;

    std::optional<RegistryValue> lookUp(std::uint32_t root, const QString& key,
                                        const QString& valueName) override {
        asked << valueName;
        const bool knownKey =
            (key == QLatin1String(kToolKey) && valueName == QLatin1String(kToolPathValue)) ||
            (key == QLatin1String(kToolFolderKey) && valueName == QLatin1String(kToolFolderValue));
        if (root != kLocalMachine || !knownKey || !values.contains(valueName))
            return std::nullopt;
        return values.value(valueName);
    }
    bool fileExists(const QString& path) override { return files.contains(path); }
};

// A spot of the window's bare surface, clear of every control (checked where it is used).
const QPoint kBareSurface(620, 150);

RegistryValue text(const QByteArray& bytes) {
    return {kTextValue, bytes};
}

} // namespace

Q_DECLARE_METATYPE(RegistryValue)
using Values = QMap<QString, RegistryValue>; // by value name

class TestAboutWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadsAsDefined();
    void linkLooks_data();
    void linkLooks();
    void linkCursorIsThePointingHand();
    void linkClickOpensTheMakersPage();
    void keysClickOk_data();
    void keysClickOk();
    void startSysInfo_data();
    void startSysInfo();

private:
    QLabel* link() const { return window_->findChild<QLabel*>(QStringLiteral("Label2")); }
    QPoint centreOf(const char* name) const {
        const QWidget* control = window_->findChild<QWidget*>(QString::fromLatin1(name));
        return control->mapTo(window_.data(), control->rect().center());
    }

    RecordingDesktop desktop_;
    FakeSystemInformation information_;
    QPointer<frmAbout> window_;
};

void TestAboutWindow::init() {
    desktop_ = RecordingDesktop();
    information_ = FakeSystemInformation();
    window_ = new frmAbout(desktop_, information_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    // Qt passes over a move to where the pointer already is, so every test
    // starts with the pointer over the logo, which has no handler for moves.
    QTest::mouseMove(window_->windowHandle(), centreOf("picIcon"));
}

void TestAboutWindow::cleanup() {
    delete window_;
}

void TestAboutWindow::loadsAsDefined() {
    QCOMPARE(window_->windowTitle(), QString::fromLatin1(kAboutLoadedCaption));
    QCOMPARE(window_->geometry(), QRect(290, 227, 646, 359));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // The logo's box holds the 289 x 227 logo and its border, its left edge cut off.
    QCOMPARE(window_->findChild<QWidget*>(QStringLiteral("picIcon"))->geometry(), QRect(-8, 0, 293, 231));
    QCOMPARE(QApplication::focusWidget(), window_->findChild<QPushButton*>(QStringLiteral("cmdOK")));
    QVERIFY(window_->findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
}

void TestAboutWindow::linkLooks_data() {
    QTest::addColumn<QStringList>("moves"); // control names, or "surface" for the bare surface
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<QColor>("colour");

    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    QTest::newRow("definition look before any move") << QStringList() << true << false << blue;
    QTest::newRow("hover look over the link") << QStringList{"Label2"} << true << true << red;
    QTest::newRow("rest look back on the surface")
        << QStringList{"Label2", "surface"} << false << false << blue;
    QTest::newRow("rest look after a first move on the surface")
        << QStringList{"surface"} << false << false << blue;
    QTest::newRow("another label keeps the hover look")
        << QStringList{"Label2", "Label1"} << true << true << red;
    QTest::newRow("a button keeps the hover look") << QStringList{"Label2", "cmdOK"} << true << true << red;
}

void TestAboutWindow::linkLooks() {
    QFETCH(QStringList, moves);
    QFETCH(bool, bold);
    QFETCH(bool, underlined);
    QFETCH(QColor, colour);

    QVERIFY(qobject_cast<WindowSurface*>(window_->childAt(kBareSurface)));
    for (const QString& target : moves) {
        const QPoint spot = target == QLatin1String("surface") ? kBareSurface : centreOf(qPrintable(target));
        QTest::mouseMove(window_->windowHandle(), spot);
    }
    QCOMPARE(link()->font().bold(), bold);
    QCOMPARE(link()->font().underline(), underlined);
    QCOMPARE(link()->palette().color(QPalette::WindowText), colour);
}

// The link has a pointer of its own, the 32 x 32 pointing hand with its hot
// spot at the fingertip; the other controls keep the arrow.
void TestAboutWindow::linkCursorIsThePointingHand() {
    const QCursor cursor = link()->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    const QImage hand(QStringLiteral(":/images/pointing_hand.png"));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             hand.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(window_->findChild<QWidget*>(QStringLiteral("Label1"))->cursor().shape(), Qt::ArrowCursor);
}

void TestAboutWindow::linkClickOpensTheMakersPage() {
    QVERIFY(link()->text().endsWith(QLatin1Char(' ')));
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, centreOf("Label2"));
    QCOMPARE(desktop_.openedUrls, QList<QUrl>{QUrl(link()->text().chopped(1))});
    QVERIFY(window_->isVisible());
}

void TestAboutWindow::keysClickOk_data() {
    QTest::addColumn<QByteArray>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Esc") << QByteArray("cmdOK") << int(Qt::Key_Escape) << true;
    QTest::newRow("Esc with the focus on System Info")
        << QByteArray("cmdSysInfo") << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter on OK") << QByteArray("cmdOK") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on the logo") << QByteArray("picIcon") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on System Info clicks it")
        << QByteArray("cmdSysInfo") << int(Qt::Key_Return) << false;
    QTest::newRow("Alt+S clicks System Info")
        << QByteArray("cmdOK") << (Qt::ALT | Qt::Key_S).toCombined() << false;
}

void TestAboutWindow::keysClickOk() {
    QFETCH(QByteArray, focus);
    QFETCH(int, key);
    QFETCH(bool, closes);

    QWidget* focused = window_->findChild<QWidget*>(QString::fromLatin1(focus));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    focused->setFocus();
    QTest::keySequence(focused, QKeySequence(key));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window_.isNull(), closes);
    // An access key clicks its button a moment later, as a button shows its press.
    if (!closes)
        QTRY_COMPARE(desktop_.messages, QStringList{QString::fromLatin1(kSystemInformationUnavailable)});
}

void TestAboutWindow::startSysInfo_data() {
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("programsStart");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("unavailable");

    const QByteArray tool("/usr/bin/hardinfo", 18);
    const QString toolPath = QStringLiteral("/usr/bin/hardinfo");
    const QByteArray folder("/opt/sysinfo", 13);
    const QString inFolder = QStringLiteral("/opt/sysinfo/MSINFO32.EXE");
    const QStringList both{"PATH", "MSINFO"};
    const QStringList first{"PATH"};

    QTest::newRow("found by the first look-up")
        << Values{{"PATH", text(tool)}} << QStringList() << true << first << QStringList{toolPath} << false;
    QTest::newRow("the first look-up wins")
        << Values{{"PATH", text(tool)}, {"MSINFO", text(folder)}} << QStringList{inFolder} << true << first
        << QStringList{toolPath} << false;
    QTest::newRow("found by the second look-up") << Values{{"MSINFO", text(folder)}} << QStringList{inFolder}
                                                 << true << both << QStringList{inFolder} << false;
    QTest::newRow("second folder without the tool")
        << Values{{"MSINFO", text(folder)}} << QStringList() << true << both << QStringList() << true;
    QTest::newRow("neither value") << Values() << QStringList() << true << both << QStringList() << true;
    QTest::newRow("a start that fails")
        << Values{{"PATH", text(tool)}} << QStringList() << false << first << QStringList{toolPath} << true;
    QTest::newRow("first value of another type starts nothing")
        << Values{{"PATH", {3, tool}}, {"MSINFO", text(folder)}} << QStringList{inFolder} << true << first
        << QStringList() << true;
    QTest::newRow("first value of no bytes fails at once")
        << Values{{"PATH", text({})}, {"MSINFO", text(folder)}} << QStringList{inFolder} << true << first
        << QStringList() << true;
    QTest::newRow("first value longer than the buffer counts as missing")
        << Values{{"PATH", text(QByteArray(kValueBufferSize + 1, 'x'))}, {"MSINFO", text(folder)}}
        << QStringList{inFolder} << true << both << QStringList{inFolder} << false;
    QTest::newRow("second value of another type looks in the top folder")
        << Values{{"MSINFO", {3, folder}}} << QStringList{"/MSINFO32.EXE"} << true << both
        << QStringList{"/MSINFO32.EXE"} << false;
}

void TestAboutWindow::startSysInfo() {
    QFETCH(Values, values);
    QFETCH(QStringList, files);
    QFETCH(bool, programsStart);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, started);
    QFETCH(bool, unavailable);
    information_.values = values;
    information_.files = QSet<QString>(files.begin(), files.end());
    desktop_.programsStart = programsStart;

    QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);

    QCOMPARE(information_.asked, asked);
    QCOMPARE(desktop_.startedPrograms, started);
    QCOMPARE(desktop_.messages,
             unavailable ? QStringList{QString::fromLatin1(kSystemInformationUnavailable)} : QStringList());
    QVERIFY(window_->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_about_window.moc"
