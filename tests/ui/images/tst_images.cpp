#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>
#include <QtTest>

// The pictures are embedded in tovrel_ui; this program links it but calls
// nothing in it, so it also shows that the resources survive static linking.
class ImagesTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAtItsOwnSize_data();
    void loadsAtItsOwnSize();
    void iconKeepsToSixteenColours_data();
    void iconKeepsToSixteenColours();
    void pointingHandHotSpotIsTheFingertip();
};

void ImagesTest::loadsAtItsOwnSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");

    QTest::newRow("banner") << ":/images/banner.png" << QSize(814, 185) << false;
    QTest::newRow("logo") << ":/images/logo.png" << QSize(289, 227) << false;
    QTest::newRow("splash logo") << ":/images/logo_large.png" << QSize(632, 502) << false;
    QTest::newRow("window icon") << ":/images/icon.png" << QSize(32, 32) << false;
    QTest::newRow("desktop icon") << ":/images/icon_256.png" << QSize(256, 256) << false;
    QTest::newRow("link cursor") << ":/images/pointing_hand.png" << QSize(32, 32) << true;
}

void ImagesTest::loadsAtItsOwnSize() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);
}

void ImagesTest::iconKeepsToSixteenColours_data() {
    QTest::addColumn<QString>("path");

    QTest::newRow("window icon") << ":/images/icon.png";
    QTest::newRow("desktop icon") << ":/images/icon_256.png";
}

void ImagesTest::iconKeepsToSixteenColours() {
    QFETCH(QString, path);

    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
}

// The cursor is set up with its hot spot at (12, 1): that pixel must be the
// opaque tip of the finger, with nothing drawn above it.
void ImagesTest::pointingHandHotSpotIsTheFingertip() {
    const QImage cursor(":/images/pointing_hand.png");
    QVERIFY(!cursor.isNull());
    QCOMPARE(qAlpha(cursor.pixel(12, 1)), 255);
    for (int x = 0; x < cursor.width(); ++x) {
        QCOMPARE(qAlpha(cursor.pixel(x, 0)), 0);
    }
}

QTEST_MAIN(ImagesTest)
#include "tst_images.moc"
