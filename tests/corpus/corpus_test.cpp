// Every hostile file of the corpus goes through what the program does with
// such a file (adding it, showing it, making its icon, building a site with
// it) in a child process held to a time and a memory limit. Each run must
// end by itself, tell the user in the program's own words (a language text,
// never a library's raw message) and leave every other file as it was.

#include "common/Cp1252.h"
#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"
#include "imaging/GifCodec.h"
#include "imaging/Icons.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureReader.h"
#include "lang/ErrorMessages.h"
#include "lang/Language.h"
#include "project/AddedPictureConversion.h"
#include "project/PictureList.h"
#include "project/PictureMessages.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "project/ProjectLayout.h"
#include "sitegen/ProjectBuild.h"
#include "styles/ProjectSettings.h"
#include "tests/corpus/HostileFiles.h"
#include "tests/support/Pictures.h"
#include "tests/support/QuietProgress.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace palimora::corpus {
namespace {

// GCC says so with a macro, Clang with a feature test.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kUnderAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

namespace fs = std::filesystem;

constexpr rlim_t kMemoryLimit = rlim_t{1} << 30;  // address space, bytes
constexpr rlim_t kCpuSeconds = 15;
constexpr auto kWallLimit = std::chrono::seconds(25);
constexpr const char* kProject = "Demo";

enum class Operation { Add, Display, Icon, Build, List };

const char* NameOf(Operation operation) {
    switch (operation) {
        case Operation::Add: return "adding";
        case Operation::Display: return "display";
        case Operation::Icon: return "icon";
        case Operation::Build: return "build";
        case Operation::List: return "picture list";
    }
    return "?";
}

std::vector<Operation> OperationsFor(Kind kind) {
    switch (kind) {
        case Kind::Picture: return {Operation::Add, Operation::Display, Operation::Icon, Operation::Build};
        case Kind::AddedOnly: return {Operation::Add};
        case Kind::PictureTexts: return {Operation::List, Operation::Build};
        case Kind::Settings:
        case Kind::LanguageFile:
        case Kind::SettingPath: return {Operation::Build};
    }
    return {};
}

// Says yes to every question (convert the bitmap, go on) and keeps every message.
class YesDialogs : public UserDialogs {
public:
    std::vector<std::string> messages;
    int ShowMessageOk(const std::string& text) override {
        messages.push_back(text);
        return kModalOk;
    }
    int AskYesNoCancel(const std::string&) override { return kModalYes; }
    int AskOkCancel(const std::string&) override { return kModalOk; }
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void Beep() override {}
};

// The picture display as the picture step runs it, without the screen.
void Display(const fs::path& file, YesDialogs& dialogs, const Language& language) {
    try {
        if (UpperExtensionOf(file.filename().string()) == ".GIF") {
            DecodeGif(file);
        } else {
            ReadPictureFile(file, 400, 300);
        }
    } catch (const ImageError& error) {
        if (error.ErrorKind() == ImageError::Kind::Unsupported && FormatOf(file) != PictureFormat::Metafile) {
            return;  // the screen's own loader would try it
        }
        dialogs.ShowMessageOk(UnreadablePictureMessage(language, error, file));
    }
}

void Run(Operation operation, const HostileFile& hostile, const ProgramFolder& folder, YesDialogs& dialogs) {
    Language language;
    if (const std::string problem = language.LoadChosen(folder); !problem.empty()) dialogs.ShowMessageOk(problem);
    try {
        switch (operation) {
            case Operation::Add: {
                PictureList pictures(folder.Project(kProject));
                const int last = static_cast<int>(pictures.Files().size());
                const auto added =
                    pictures.Add({hostile.file}, last, [&](const fs::path& copy, const fs::path& source) {
                        return ConvertAddedPicture(copy, source, dialogs, language);
                    });
                for (const auto& picture : added) Display(picture.file, dialogs, language);
                break;
            }
            case Operation::Display: Display(hostile.file, dialogs, language); break;
            case Operation::Icon: {
                IconCache cache;
                IconBatch batch({hostile.file}, cache, kIconSize, 1);
                batch.Take(0);  // an unreadable picture gets the empty icon and a beep
                break;
            }
            case Operation::List: {
                const PictureList pictures(folder.Project(kProject));
                for (std::size_t n = 1; n <= pictures.Files().size(); ++n) pictures.Texts().Read(static_cast<int>(n));
                break;
            }
            case Operation::Build: {
                testing::QuietProgress progress;
                BuildProject({folder, kProject, {}}, dialogs, progress);
                break;
            }
        }
    } catch (...) {
        dialogs.ShowMessageOk(UserMessageOf(std::current_exception(), language));
    }
}

struct ChildEnd {
    bool finished = false;  // false: killed at the time limit
    int signal = 0;         // the signal that ended it, 0 for a normal end
    int status = 0;
    std::vector<std::string> messages;
};

ChildEnd RunInChild(Operation operation, const HostileFile& hostile, const ProgramFolder& folder,
                    const fs::path& messageFile) {
    fs::remove(messageFile);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit cpu{kCpuSeconds, kCpuSeconds};
        setrlimit(RLIMIT_CPU, &cpu);
        // AddressSanitizer reserves terabytes of address space for its
        // shadow: there the limit is its own (allocations beyond
        // max_allocation_size_mb fail), not the address space's.
        if (!kUnderAddressSanitizer) {
            const rlimit memory{kMemoryLimit, kMemoryLimit};
            setrlimit(RLIMIT_AS, &memory);
        }
        YesDialogs dialogs;
        Run(operation, hostile, folder, dialogs);
        std::ofstream out(messageFile, std::ios::binary);
        for (std::string message : dialogs.messages) {
            std::replace(message.begin(), message.end(), '\n', ' ');
            out << message << '\n';
        }
        out.close();
        _exit(out ? 0 : 1);
    }
    ChildEnd end;
    const auto deadline = std::chrono::steady_clock::now() + kWallLimit;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return end;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    end.finished = true;
    if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
    if (WIFEXITED(status)) end.status = WEXITSTATUS(status);
    std::ifstream in(messageFile, std::ios::binary);
    for (std::string line; std::getline(in, line);) end.messages.push_back(line);
    return end;
}

// What a file is at a moment: enough to see that it was written, replaced or removed.
using Snapshot = std::map<fs::path, std::string>;

Snapshot Take(const std::vector<fs::path>& roots) {
    Snapshot snapshot;
    for (const fs::path& root : roots) {
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            struct stat info {};
            if (lstat(entry.path().c_str(), &info) != 0) continue;
            snapshot[entry.path()] = std::to_string(info.st_mode) + " " + std::to_string(info.st_ino) + " " +
                                     std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
                                     std::to_string(info.st_mtim.tv_nsec);
        }
    }
    return snapshot;
}

bool Inside(const fs::path& path, const fs::path& folder) {
    const auto relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

class Corpus : public ::testing::Test {
protected:
    Corpus() {
        fs::create_directories(program);
        testing::StageProgramFolder(program);
        testing::WriteBytes(folder.LanguageIni(),
                            "Fran\xE7"
                            "ais\r\n");
        language.LoadChosen(folder);
        fs::create_directories(project_layout::PicturesFolder(project));
        fs::create_directories(project_layout::TextsFolder(project));
        EncodeJpeg(testing::Quadrants(320, 240), project_layout::PicturesFolder(project) / "000001.jpg");
        PictureTextFile texts(project_layout::PictureTextFile(project));
        texts.CreateEmpty();
        texts.Write(1, "Photo 1", "");
        ProjectSettings settings;
        settings.Commit(folder, kProject, language);
        fs::copy(project, pristineProject, fs::copy_options::recursive);
        fs::copy_file(folder.LanguageFile("french"), pristineFrench);
        for (const char* code : {"french", "english"}) {
            Language words;
            testing::WriteBytes(folder.LanguageIni(), std::string(code) == "french" ? "Fran\xE7"
                                                                                      "ais\r\n"
                                                                                    : "English\r\n");
            words.LoadChosen(folder);
            for (const TextId text : kAllTextIds) {
                if (words.LangText(text).size() >= 12) knownTexts.push_back(words.LangText(text));
            }
            unexpected.push_back(words.LangText(TextId::UnexpectedError));
        }
        testing::WriteBytes(folder.LanguageIni(),
                            "Fran\xE7"
                            "ais\r\n");
        hostileFiles = MakeHostileFiles(temp.Path() / "corpus");
    }

    void Restore() {
        fs::remove_all(project);
        fs::copy(pristineProject, project, fs::copy_options::recursive);
        fs::remove_all(folder.LanguageFile("french"));
        fs::copy_file(pristineFrench, folder.LanguageFile("french"));
    }

    static void PutInPlace(const fs::path& hostile, const fs::path& target) {
        fs::remove_all(target);
        if (fs::is_directory(hostile)) {
            fs::create_directories(target);
        } else {
            fs::copy_file(hostile, target);
        }
    }

    void Prepare(Operation operation, const HostileFile& hostile) {
        Restore();
        switch (hostile.kind) {
            case Kind::Picture:
                if (operation == Operation::Build) {
                    const std::string extension = LowerExtensionOf(hostile.file.filename().string());
                    PutInPlace(hostile.file, project_layout::PicturesFolder(project) / (SixDigits(2) + extension));
                    PictureTextFile(project_layout::PictureTextFile(project)).Write(2, "Photo 2", "");
                }
                break;
            case Kind::AddedOnly: break;
            case Kind::PictureTexts: PutInPlace(hostile.file, project_layout::PictureTextFile(project)); break;
            case Kind::Settings: PutInPlace(hostile.file, project_layout::WorkingSettingsFile(project)); break;
            case Kind::LanguageFile: PutInPlace(hostile.file, folder.LanguageFile("french")); break;
            case Kind::SettingPath: {
                ProjectSettings settings;
                settings.LoadWorking(folder, kProject);
                for (const SettingLine line : hostile.lines) {
                    settings.Store(line, Cp1252FromPath(hostile.file));
                    if (line == SettingLine::CopyrightPicture) settings.Store(SettingLine::StampCopyright, "1");
                }
                break;
            }
        }
    }

    // What the operation may write: adding, the project's pictures and
    // their texts; a build, the site's files in the project folder.
    bool MayChange(Operation operation, const fs::path& path) const {
        switch (operation) {
            case Operation::Add:
                // images.dat, and its folder, where it is renamed into place
                return Inside(path, project_layout::PicturesFolder(project)) ||
                       path == project_layout::PictureTextFile(project) ||
                       path == project_layout::PictureTextFile(project).parent_path();
            case Operation::Build:
                // and the working templates, made afresh from the chosen models
                for (const char* sample : ProgramFolder::kSamplePages) {
                    if (path == program / sample) return true;
                }
                return Inside(path, project) && !Inside(path, project_layout::TextsFolder(project)) &&
                       path.extension() != ".ini";
            case Operation::Display:
            case Operation::Icon:
            case Operation::List: return false;
        }
        return false;
    }

    // A message in the program's words: it holds a language text and is not
    // the one that wraps an unexpected library message.
    bool Clear(const std::string& message) const {
        for (const std::string& text : unexpected) {
            if (message.find(text) != std::string::npos) return false;
        }
        for (const std::string& text : knownTexts) {
            if (message.find(text) != std::string::npos) return true;
        }
        return message.rfind("Fichier de langue illisible / cannot read the language file", 0) == 0;
    }

    testing::TempFolder temp;
    testing::TempFolder results;  // the children's messages, outside the folders watched
    fs::path program = temp.Path() / "program";
    ProgramFolder folder{program};
    fs::path project = folder.Project(kProject);
    fs::path pristineProject = temp.Path() / "pristine-project";
    fs::path pristineFrench = temp.Path() / "pristine-french.asc";
    Language language;
    std::vector<std::string> knownTexts;
    std::vector<std::string> unexpected;
    std::vector<HostileFile> hostileFiles;
};

TEST_F(Corpus, EveryHostileFileEndsCleanlyInTheProgramsWordsAndTouchesNothingElse) {
    ASSERT_GT(hostileFiles.size(), 40u);
    for (const HostileFile& hostile : hostileFiles) {
        for (const Operation operation : OperationsFor(hostile.kind)) {
            SCOPED_TRACE(hostile.name + ", " + NameOf(operation));
            Prepare(operation, hostile);
            const Snapshot before = Take({program, temp.Path() / "corpus"});
            const ChildEnd end = RunInChild(operation, hostile, folder, results.Path() / "messages.txt");
            ASSERT_TRUE(end.finished) << "still running after " << kWallLimit.count() << " s";
            EXPECT_EQ(end.signal, 0) << strsignal(end.signal);
            EXPECT_EQ(end.status, 0);
            if (std::getenv("PALIMORA_CORPUS_SHOW")) {
                std::fprintf(stderr, "%s, %s:\n", hostile.name.c_str(), NameOf(operation));
                for (const std::string& message : end.messages)
                    std::fprintf(stderr, "    %s\n", Utf8FromCp1252(message).Bytes().c_str());
            }
            const Operation toldAt = hostile.kind == Kind::Picture ? Operation::Display : Operation::Build;
            if (hostile.told && operation == toldAt) {
                EXPECT_FALSE(end.messages.empty()) << "nothing was said";
            }
            for (const std::string& message : end.messages) {
                EXPECT_TRUE(Clear(message)) << Utf8FromCp1252(message);
            }
            const Snapshot after = Take({program, temp.Path() / "corpus"});
            for (const auto& [path, state] : before) {
                if (after.count(path) && after.at(path) == state) continue;
                EXPECT_TRUE(MayChange(operation, path)) << path << (after.count(path) ? " changed" : " removed");
            }
            for (const auto& [path, state] : after) {
                if (before.count(path)) continue;
                EXPECT_TRUE(MayChange(operation, path)) << path << " appeared";
            }
        }
    }
}

}  // namespace
}  // namespace palimora::corpus
