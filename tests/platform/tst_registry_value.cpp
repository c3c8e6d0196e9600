#include "platform/registry_value.h"

#include <QTest>

class TestRegistryValue : public QObject {
    Q_OBJECT
private slots:
    void decodeKeyValue_data();
    void decodeKeyValue();
};

void TestRegistryValue::decodeKeyValue_data() {
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<QString>("text");

    const QString passed = QStringLiteral("as passed");
    const auto bytes = [](std::initializer_list<char> list) {
        return QByteArray(list.begin(), int(list.size()));
    };

    QTest::newRow("text loses its final zero") << uint(kTextValue) << QByteArray("/usr/bin/hardinfo", 18)
                                               << true << QStringLiteral("/usr/bin/hardinfo");
    QTest::newRow("text without final zero")
        << uint(kTextValue) << QByteArray("/opt/tools") << true << QStringLiteral("/opt/tools");
    QTest::newRow("text of a zero only") << uint(kTextValue) << bytes({0}) << true << QString();
    QTest::newRow("number 66058") << uint(kNumberValue) << bytes({0x0A, 0x02, 0x01, 0x00}) << true
                                  << QStringLiteral("&h01020A");
    QTest::newRow("number without zero last byte keeps four bytes")
        << uint(kNumberValue) << bytes({0x78, 0x56, 0x34, 0x12}) << true << QStringLiteral("&h12345678");
    QTest::newRow("number digits in capitals")
        << uint(kNumberValue) << bytes({0x00, char(0xEF), char(0xCD), char(0xAB)}) << true
        << QStringLiteral("&hABCDEF00");
    QTest::newRow("number zero") << uint(kNumberValue) << bytes({0, 0, 0, 0}) << true
                                 << QStringLiteral("&h000000");
    QTest::newRow("other type leaves the text as passed") << 3u << bytes({1, 2, 0}) << true << passed;
    QTest::newRow("no bytes of text fails") << uint(kTextValue) << QByteArray() << false << QString();
    QTest::newRow("no bytes of another type fails") << 3u << QByteArray() << false << QString();
}

void TestRegistryValue::decodeKeyValue() {
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, decoded);
    QFETCH(QString, text);

    const std::optional<QString> result =
        ::decodeKeyValue(RegistryValue{type, data}, QStringLiteral("as passed"));
    QCOMPARE(result.has_value(), decoded);
    if (decoded)
        QCOMPARE(*result, text);
}

QTEST_GUILESS_MAIN(TestRegistryValue)
#include "tst_registry_value.moc"
