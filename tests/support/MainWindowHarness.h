#pragma once

#include "app/ui/MainWindow.h"
#include "imaging/JpegCodec.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace palimora::testing {

// A program folder staged afresh in French, the main window started on it
// with scripted answers, and photos to add.
class MainWindowHarness {
public:
    void Reset() {
        temp = std::make_unique<TempFolder>();
        StageProgramFolder(temp->Path());
        WriteBytes(temp->Path() / "palimora.ini",
                   "Fran\xE7"
                   "ais\r\n");
        dialogs = {};
        opened.clear();
        openedAddresses.clear();
    }

    std::unique_ptr<MainWindow> Start() {
        const auto record = [this](const std::filesystem::path& file) { opened.push_back(file); };
        const auto recordAddress = [this](const std::string& address) { openedAddresses.push_back(address); };
        auto window = std::make_unique<MainWindow>(
            ProgramFolder(temp->Path()), MainWindow::Options{false, &dialogs, projectWindows, record, recordAddress});
        window->show();
        window->FormActivate();
        return window;
    }

    std::filesystem::path Root() const { return temp->Path(); }

    std::filesystem::path Photo(const std::string& name, int width = 120, int height = 90) const {
        const std::filesystem::path file = temp->Path() / "photos" / name;
        std::filesystem::create_directories(file.parent_path());
        EncodeJpeg(Quadrants(width, height), file);
        return file;
    }

    std::unique_ptr<TempFolder> temp;
    ScriptedDialogs dialogs;
    ProjectWindows* projectWindows = nullptr;   // none: the real save and open windows
    std::vector<std::filesystem::path> opened;  // what the window asked the system to open
    std::vector<std::string> openedAddresses;   // the web addresses it asked the browser to open
};

}  // namespace palimora::testing
