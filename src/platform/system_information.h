#pragma once

#include "platform/registry_value.h"

#include <cstdint>
#include <optional>

class QString;

// Where the About window's two look-ups for the system-information tool go.
inline constexpr std::uint32_t kLocalMachine = 0x80000002;
inline constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kToolPathValue[] = "PATH";
inline constexpr char kToolFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kToolFolderValue[] = "MSINFO";
// The tool's file in the folder that the second look-up names.
inline constexpr char kToolFileName[] = "MSINFO32.EXE";

// What the platform tells about its system-information tool: values looked up
// by key and value name, and whether a file exists. The program uses
// LinuxSystemInformation; tests answer as they need.
class SystemInformation {
public:
    virtual ~SystemInformation() = default;

    // The value, or nothing when the key cannot be opened or the value read.
    virtual std::optional<RegistryValue> lookUp(std::uint32_t root, const QString& key,
                                                const QString& valueName) = 0;
    virtual bool fileExists(const QString& path) = 0;
};
