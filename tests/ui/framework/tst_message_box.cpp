#include "ui/framework/message_box.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void wideEnoughForItsTitle_data();
    void wideEnoughForItsTitle();
};

void MessageBoxTest::wideEnoughForItsTitle_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("buttons");

    QTest::newRow("short message") << "Please Select Your choice" << int(QMessageBox::Ok);
    QTest::newRow("one letter") << "x" << int(QMessageBox::Ok);
    QTest::newRow("confirmation") << "Add?" << int(QMessageBox::Ok | QMessageBox::Cancel);
}

// The window system shows the title in its own, usually bold, title font,
// beside the window's icon and buttons.
void MessageBoxTest::wideEnoughForItsTitle() {
    QFETCH(QString, text);
    QFETCH(int, buttons);

    const std::unique_ptr<QMessageBox> box =
        makeMessageBox(nullptr, text, QMessageBox::StandardButtons(buttons));
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QCOMPARE(box->windowTitle(), QStringLiteral("Tovrel 2 By Velmira Tunhold"));
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
    QVERIFY2(box->width() >= title + 3 * QFontMetrics(titleFont).height(),
             qPrintable(QStringLiteral("%1 px for a title of %2 px").arg(box->width()).arg(title)));
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
    box->close();
}

QTEST_MAIN(MessageBoxTest)
#include "tst_message_box.moc"
