#include "platform/linux_system_information.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The tool look-up searches the PATH; each test puts a folder of its own there.
class TestLinuxSystemInformation : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void toolPathLookUp_data();
    void toolPathLookUp();
    void otherLookUpsHaveNoValue_data();
    void otherLookUpsHaveNoValue();
    void fileExists_data();
    void fileExists();

private:
    QString makeFile(const QString& name, bool executable);

    std::unique_ptr<QTemporaryDir> folder_;
    QByteArray savedPath_;
};

void TestLinuxSystemInformation::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    savedPath_ = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder_->path()));
}

void TestLinuxSystemInformation::cleanup() {
    qputenv("PATH", savedPath_);
    folder_.reset();
}

QString TestLinuxSystemInformation::makeFile(const QString& name, bool executable) {
    QFile file(folder_->filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\n");
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        permissions |= QFileDevice::ExeOwner;
    file.setPermissions(permissions);
    return file.fileName();
}

void TestLinuxSystemInformation::toolPathLookUp_data() {
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("notExecutable");
    QTest::addColumn<QString>("found"); // empty: no value

    QTest::newRow("none on the path") << QStringList() << QStringList() << QString();
    QTest::newRow("one on the path") << QStringList{"mate-system-monitor"} << QStringList()
                                     << QStringLiteral("mate-system-monitor");
    QTest::newRow("the earlier of the list wins") << QStringList{"xfce4-taskmanager", "gnome-system-monitor"}
                                                  << QStringList() << QStringLiteral("gnome-system-monitor");
    QTest::newRow("a file that cannot run is passed over")
        << QStringList{"xfce4-taskmanager"} << QStringList{"hardinfo"} << QStringLiteral("xfce4-taskmanager");
    QTest::newRow("a program not on the list is no tool") << QStringList{"top"} << QStringList() << QString();
}

void TestLinuxSystemInformation::toolPathLookUp() {
    QFETCH(QStringList, programs);
    QFETCH(QStringList, notExecutable);
    QFETCH(QString, found);
    for (const QString& name : programs)
        QVERIFY(!makeFile(name, true).isEmpty());
    for (const QString& name : notExecutable)
        QVERIFY(!makeFile(name, false).isEmpty());

    LinuxSystemInformation information;
    const std::optional<RegistryValue> value =
        information.lookUp(kLocalMachine, QLatin1String(kToolKey), QLatin1String(kToolPathValue));
    QCOMPARE(value.has_value(), !found.isEmpty());
    if (value) {
        QCOMPARE(value->type, kTextValue);
        QCOMPARE(value->data, QFile::encodeName(folder_->filePath(found)) + '\0');
    }
}

void TestLinuxSystemInformation::otherLookUpsHaveNoValue_data() {
    QTest::addColumn<uint>("root");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("valueName");

    QTest::newRow("the tool's folder") << uint(kLocalMachine) << QString::fromLatin1(kToolFolderKey)
                                       << QString::fromLatin1(kToolFolderValue);
    QTest::newRow("another root") << 0x80000001u << QString::fromLatin1(kToolKey)
                                  << QString::fromLatin1(kToolPathValue);
    QTest::newRow("another value name")
        << uint(kLocalMachine) << QString::fromLatin1(kToolKey) << QStringLiteral("MSINFO");
}

void TestLinuxSystemInformation::otherLookUpsHaveNoValue() {
    QFETCH(uint, root);
    QFETCH(QString, key);
    QFETCH(QString, valueName);
    QVERIFY(!makeFile(QStringLiteral("hardinfo"), true).isEmpty());

    LinuxSystemInformation information;
    QVERIFY(!information.lookUp(root, key, valueName));
}

void TestLinuxSystemInformation::fileExists_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");

    QTest::newRow("a file") << QStringLiteral("MSINFO32.EXE") << true;
    QTest::newRow("a missing file") << QStringLiteral("missing.exe") << false;
    QTest::newRow("a folder") << QStringLiteral("folder") << false;
}

void TestLinuxSystemInformation::fileExists() {
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QVERIFY(!makeFile(QStringLiteral("MSINFO32.EXE"), false).isEmpty());
    QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("folder")));

    LinuxSystemInformation information;
    QCOMPARE(information.fileExists(folder_->filePath(name)), exists);
}

QTEST_GUILESS_MAIN(TestLinuxSystemInformation)
#include "tst_linux_system_information.moc"
