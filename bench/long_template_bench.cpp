// A site of nine pictures built from templates of 200,000 lines that hold
// no marker at all, beside the same pages merely read and written again
// (one pass over each page): how far the page writers are from one pass.
//
// Usage: long_template_bench [lines=200000]

#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "project/PictureTextFile.h"
#include "project/ProjectLayout.h"
#include "sitegen/PageLines.h"
#include "sitegen/ProjectBuild.h"
#include "styles/ProjectSettings.h"
#include "tests/support/Pictures.h"
#include "tests/support/QuietProgress.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace palimora;

namespace {

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

}  // namespace

int main(int argc, char* argv[]) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 200000;
    const int pictures = 9;
    testing::TempFolder temp;
    testing::StageProgramFolder(temp.Path());
    const ProgramFolder folder(temp.Path());
    testing::WriteBytes(folder.LanguageIni(), "English\r\n");
    Language language;
    language.LoadChosen(folder);

    std::string page;
    for (int n = 0; n < lines; ++n) page += n % 5 == 4 ? "\r\n" : "<p>line " + std::to_string(n) + "</p>\r\n";
    // The build installs the chosen models as its working templates: every model becomes the long page.
    for (const auto& entry : fs::recursive_directory_iterator(temp.Path() / "models")) {
        if (entry.path().extension() == ".htm") testing::WriteBytes(entry.path(), page);
    }
    testing::WriteBytes(temp.Path() / "long.htm", page);
    const fs::path project = folder.Project("Bench");
    fs::create_directories(project_layout::PicturesFolder(project));
    fs::create_directories(project_layout::TextsFolder(project));
    PictureTextFile texts(project_layout::PictureTextFile(project));
    texts.CreateEmpty();
    for (int n = 1; n <= pictures; ++n) {
        EncodeJpeg(testing::Quadrants(64, 48),
                   project_layout::PicturesFolder(project) / ("00000" + std::to_string(n) + ".jpg"));
        texts.Write(n, "Photo " + std::to_string(n), "");
    }
    ProjectSettings settings;
    settings.Commit(folder, "Bench", language);

    testing::ScriptedDialogs dialogs;
    palimora::testing::QuietProgress progress;
    auto start = Clock::now();
    BuildProject({folder, "Bench", {}}, dialogs, progress);
    const double build = Seconds(start);

    // The peer: every page the build wrote (pictures, one gallery, the
    // summary), read from its template and written back once.
    start = Clock::now();
    for (int n = 0; n < pictures + 2; ++n) {
        PageLines copy;
        copy.Load(temp.Path() / "long.htm");
        copy.Save(temp.Path() / "copy.htm");
    }
    const double onePass = Seconds(start);
    std::printf("template of %d lines, %d picture pages: build %.2f s, read and write once %.2f s, ratio %.1f\n", lines,
                pictures, build, onePass, build / onePass);
    std::printf("messages: %zu\n", dialogs.shown.size());
    return 0;
}
