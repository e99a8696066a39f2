#pragma once

#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "project/PictureTextFile.h"
#include "sitegen/BuildContext.h"
#include "sitegen/SiteBuild.h"
#include "styles/ProjectSettings.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

// A progress that records its steps and cancels after a chosen status.
class RecordingProgress : public BuildProgress {
public:
    int maximum = 0;
    int steps = 0;
    std::vector<std::string> statuses;
    std::string cancelAt;  // cancel at the check after this status

    void SetMaximum(int value) override { maximum = value; }
    void Step() override { ++steps; }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    bool CancelRequested() override { return !cancelAt.empty() && !statuses.empty() && statuses.back() == cancelAt; }
};

// A saved project "Demo" of five 400 x 300 pictures in a staged program
// folder, built with scripted answers.
class SiteBuildTest : public ::testing::Test {
protected:
    SiteBuildTest() {
        testing::StageProgramFolder(temp.Path());
        language.LoadChosen(folder);
        std::filesystem::create_directories(project / "textes");
        std::filesystem::create_directories(project / "images");
        texts.CreateEmpty();
        for (int n = 1; n <= 5; ++n) {
            EncodeJpeg(testing::Quadrants(400, 300), project / "images" / ("00000" + std::to_string(n) + ".jpg"));
            texts.Write(n, "Photo " + std::to_string(n), "");
        }
        settings.Commit(folder, "Demo", language);
        // Pages for any browser, whose fragments these tests read; pages for
        // today's browsers are asked for by the tests about them.
        settings.Store(SettingLine::TodaysBrowsers, "0");
    }

    BuildOutcome Build(unsigned workers = 0) {
        SiteBuildSources sources{folder, "Demo", language, settings, texts, dialogs};
        sources.pictureWorkers = workers;
        return SiteBuild(sources, context, progress);
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(project / name); }
    std::string Word(TextId text) const { return language.LangText(text); }

    testing::TempFolder temp;
    ProgramFolder folder{temp.Path()};
    std::filesystem::path project = temp.Path() / "Projets" / "Demo";
    Language language;
    PictureTextFile texts{project / "textes" / "images.dat"};
    ProjectSettings settings;
    BuildContext context;
    RecordingProgress progress;
    testing::ScriptedDialogs dialogs;
};

}  // namespace palimora
