#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// A value as a registry look-up answers it: its type and the bytes written.
struct RegistryValue {
    std::uint32_t type;
    QByteArray data;
};

inline constexpr std::uint32_t kTextValue = 1;   // 8-bit text, usually ending in a zero byte
inline constexpr std::uint32_t kNumberValue = 4; // 32-bit number, lowest byte first

// The buffer a look-up reads into; a longer value cannot be read.
inline constexpr int kValueBufferSize = 1024;

// The text that a read value stands for. A final zero byte is cut first. Text
// is taken as 8-bit text of the system's encoding; a number becomes "&h" and
// two capital hex digits a byte, from the last byte to the first (66058 reads
// "&h01020A"); any other type leaves `passed` as it is. A value of no bytes at
// all has nothing to cut and gives nothing.
std::optional<QString> decodeKeyValue(const RegistryValue& value, const QString& passed);
