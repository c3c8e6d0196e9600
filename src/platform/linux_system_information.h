#pragma once

#include "platform/system_information.h"

#include <QStringList>

// This platform has no registry. The look-up for the tool's path answers with
// the first system-information program of a short list that is found on the
// PATH; the look-up for the tool's folder never has a value.
class LinuxSystemInformation : public SystemInformation {
public:
    // The programs tried, in this order.
    static const QStringList& toolNames();

    std::optional<RegistryValue> lookUp(std::uint32_t root, const QString& key,
                                        const QString& valueName) override;
    bool fileExists(const QString& path) override;
};
