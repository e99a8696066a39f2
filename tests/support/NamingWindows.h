#pragma once

#include "app/ProjectCommands.h"

#include <optional>
#include <string>

namespace palimora::testing {

// Project windows that always answer with one project name: the save window
// saves under it, the open window opens it. Counts the save windows shown.
class NamingWindows : public ProjectWindows {
public:
    explicit NamingWindows(std::string name = "Vacances") : name_(std::move(name)) {}
    int saveWindows = 0;
    std::optional<std::string> ShowSaveWindow(TextId) override {
        ++saveWindows;
        return name_;
    }
    std::optional<std::string> ShowOpenWindow() override { return name_; }

private:
    std::string name_;
};

}  // namespace palimora::testing
