#pragma once

#include "platform/system_information.h"
#include "ui/framework/window_definition.h"
#include "ui/windows/about/about_window.h"
#include "ui/windows/about/about_window_definition.h"
#include "ui/windows/example/example_window.h"
#include "ui/windows/example/example_window_definition.h"
#include "ui/windows/help/help_window.h"
#include "ui/windows/help/help_window_definition.h"
#include "ui/windows/main/formain.h"
#include "ui/windows/main/main_window_definition.h"
#include "ui/windows/splash/splash_window.h"
#include "ui/windows/splash/splash_window_definition.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Desktop;

// A platform that finds no system-information tool, for windows built only to be looked at.
class NoSystemInformation : public SystemInformation {
public:
    std::optional<RegistryValue> lookUp(std::uint32_t, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool fileExists(const QString&) override { return false; }
};

// Every window of the program with its definition; a new window adds its row here.
struct EveryWindowRow {
    const char* name;
    std::function<std::unique_ptr<QWidget>(Desktop&, SystemInformation&)> make;
    const WindowDefinition& (*definition)();
};

inline const std::vector<EveryWindowRow>& everyWindow() {
    static const std::vector<EveryWindowRow> windows{
        {"formain",
         [](Desktop& desktop, SystemInformation&) {
             return std::make_unique<formain>("/nonexistent/dictionary.txt", desktop);
         },
         mainWindowDefinition},
        {"afSplash",
         [](Desktop&, SystemInformation&) { return std::make_unique<afSplash>(std::function<void()>()); },
         splashWindowDefinition},
        {"frmAbout",
         [](Desktop& desktop, SystemInformation& information) {
             return std::make_unique<frmAbout>(desktop, information);
         },
         aboutWindowDefinition},
        {"Form1", [](Desktop&, SystemInformation&) { return std::make_unique<Form1>([] {}); },
         exampleWindowDefinition},
        {"Form2", [](Desktop&, SystemInformation&) { return std::make_unique<Form2>(); },
         helpWindowDefinition},
    };
    return windows;
}
