#include "platform/registry_value.h"

std::optional<QString> decodeKeyValue(const RegistryValue& value, const QString& passed) {
    if (value.data.isEmpty())
        return std::nullopt;
    const QByteArray kept = value.data.endsWith('\0') ? value.data.chopped(1) : value.data;
    switch (value.type) {
    case kTextValue:
        return QString::fromLocal8Bit(kept);
    case kNumberValue: {
        QString text = QStringLiteral("&h");
        for (auto byte = kept.crbegin(); byte != kept.crend(); ++byte)
            text += QStringLiteral("%1")
                        .arg(static_cast<unsigned char>(*byte), 2, 16, QLatin1Char('0'))
                        .toUpper();
        return text;
    }
    default:
        return passed;
    }
}
