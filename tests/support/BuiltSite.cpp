#include "tests/support/BuiltSite.h"

#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "sitegen/ProjectBuild.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingsStore.h"
#include "tests/support/QuietProgress.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace palimora::testing {
namespace fs = std::filesystem;
namespace {

class QuietDialogs : public UserDialogs {
public:
    std::string shown;
    int ShowMessageOk(const std::string& text) override {
        shown += text + "\n";
        return kModalOk;
    }
    int AskYesNoCancel(const std::string&) override { return kModalNo; }
    int AskOkCancel(const std::string&) override { return kModalCancel; }
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void Beep() override {}
};

Image Photo(int width, int height, std::mt19937& random) {
    Image image(width, height);
    const int tint = static_cast<int>(random() % 96);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = &image.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            const int noise = static_cast<int>(random() % 40);
            pixel[0] = static_cast<std::uint8_t>((x * 200 / width + tint + noise) % 256);
            pixel[1] = static_cast<std::uint8_t>((y * 200 / height + noise) % 256);
            pixel[2] = static_cast<std::uint8_t>((x + y) * 100 / (width + height) + tint + noise);
        }
    }
    return image;
}

bool IsPage(const fs::path& file) { return file.extension() == ".htm" || file.extension() == ".html"; }

}  // namespace

fs::path BuildDemoSite(const fs::path& root, const std::string& name) {
    StageProgramFolder(root);
    const fs::path project = root / "Projets" / name;
    fs::copy(fs::path(PALIMORA_SOURCE_ASSETS) / "Projets" / "Demo", project, fs::copy_options::recursive);
    if (name != "Demo") fs::rename(project / "Demo.ini", project / (name + ".ini"));
    // The designed pages, whose files the publishing tests count and name.
    for (const fs::path& file : {project / "runweb.ini", project / (name + ".ini")}) {
        SettingsStore settings;
        settings.Load(file);
        settings.SetLine(SettingLine::TodaysBrowsers, "");
        settings.Save(file);
    }
    BuildSite(root, name);
    return project;
}

fs::path MakePhotoProject(const fs::path& root, const std::string& name, int count, int width, int height) {
    const ProgramFolder folder(root);
    const fs::path project = folder.Project(name);
    fs::remove_all(project);
    fs::create_directories(project / "textes");
    fs::create_directories(project / "images");
    PictureTextFile texts(project / "textes" / "images.dat");
    texts.CreateEmpty();
    std::mt19937 random(11);
    for (int i = 1; i <= count; ++i) {
        EncodeJpeg(Photo(width, height, random), project / "images" / (SixDigits(i) + ".jpg"));
        texts.Write(i, "Photo " + std::to_string(i), "");
    }
    Language language;
    language.LoadChosen(folder);
    ProjectSettings settings;
    settings.Commit(folder, name, language);
    BuildSite(root, name);
    return project;
}

void BuildSite(const fs::path& root, const std::string& name) {
    QuietDialogs dialogs;
    QuietProgress progress;
    if (BuildProject(BuildRequest{ProgramFolder(root), name, {}}, dialogs, progress) != BuildOutcome::Built) {
        throw std::runtime_error("the demo site was not built: " + dialogs.shown);
    }
}

std::vector<fs::path> SiteFiles(const fs::path& projectFolder, const std::string& pictureFolder) {
    std::vector<fs::path> files;
    const std::string shaped = "web_images";
    const bool shapedPictures = fs::is_directory(projectFolder / shaped) && !fs::is_empty(projectFolder / shaped);
    const std::string pictures = !pictureFolder.empty() ? pictureFolder : shapedPictures ? shaped : "images";
    for (const auto& entry : fs::directory_iterator(projectFolder)) {
        if (entry.is_regular_file() && IsPage(entry.path())) files.push_back(entry.path().filename());
    }
    for (const std::string& folder :
         {pictures, std::string("param"), std::string("tn_images"), std::string("tns_images"),
          std::string("tel_images"), std::string("orig_images")}) {
        if (!fs::is_directory(projectFolder / folder)) continue;
        for (const auto& entry : fs::directory_iterator(projectFolder / folder)) {
            if (entry.is_regular_file()) files.push_back(fs::path(folder) / entry.path().filename());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> DifferingFiles(const fs::path& projectFolder, const fs::path& remoteFolder, bool pagesAsLf,
                                        const std::string& pictureFolder) {
    std::vector<std::string> differing;
    for (const fs::path& file : SiteFiles(projectFolder, pictureFolder)) {
        std::string expected = ReadBytes(projectFolder / file);
        if (pagesAsLf && IsPage(file))
            expected.erase(std::remove(expected.begin(), expected.end(), '\r'), expected.end());
        if (!fs::exists(remoteFolder / file) || ReadBytes(remoteFolder / file) != expected) {
            differing.push_back(file.string());
        }
    }
    return differing;
}

}  // namespace palimora::testing
