#include "platform/linux_system_information.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

const QStringList& LinuxSystemInformation::toolNames() {
    static const QStringList names{
        QStringLiteral("hardinfo"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("mate-system-monitor"),
        QStringLiteral("xfce4-taskmanager"),
    };
    return names;
}

std::optional<RegistryValue> LinuxSystemInformation::lookUp(std::uint32_t root, const QString& key,
                                                            const QString& valueName) {
    if (root != kLocalMachine || key != QLatin1String(kToolKey) || valueName != QLatin1String(kToolPathValue))
        return std::nullopt;
    for (const QString& name : toolNames()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return RegistryValue{kTextValue, QFile::encodeName(path) + '\0'};
    }
    return std::nullopt;
}

bool LinuxSystemInformation::fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}
