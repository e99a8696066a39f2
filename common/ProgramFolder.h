#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace palimora {

// The program folder (the executable's folder, or a per-user one for an
// installed copy) and every path the program builds from it. Names given as Windows-1252 text (project names, file
// names from the language or settings lines) are turned into disk paths here.
class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path root);
    // A program folder whose projects live elsewhere (a project given by its path).
    ProgramFolder(std::filesystem::path root, std::filesystem::path projects);

    // The program folder of the running executable (see ChooseProgramFolder);
    // throws ProgramFolderUnusable when its per-user folder cannot be prepared.
    static ProgramFolder OfRunningProgram();

    const std::filesystem::path& Root() const { return root_; }

    std::filesystem::path LanguageIni() const { return root_ / "palimora.ini"; }
    std::filesystem::path LanguageFile(std::string_view languageCode) const;
    std::filesystem::path DefaultSettings() const { return root_ / "runweb.in_"; }
    std::filesystem::path LogoGif() const { return root_ / "logo.gif"; }
    // Held by the running copy of the program (InstanceLock).
    std::filesystem::path LockFile() const { return root_ / "palimora.lock"; }

    std::filesystem::path Projects() const { return projects_; }
    // A project's folder under Projets (also the working folder, whose name is WorkingName).
    std::filesystem::path Project(std::string_view cp1252Name) const;

    // Toolbar looks: interface/<name>.jpg, and interface/<name>1.jpg when pressed.
    std::filesystem::path ButtonLook(std::string_view name, bool pressed) const;
    std::filesystem::path Interface(std::string_view fileName) const;

    // The help pages of a language: aide/<code> for a language that has
    // them there, the French and English folders of old, English for a
    // language without help pages yet.
    std::filesystem::path HelpFolder(std::string_view languageCode) const;

    // The preview scratch pages the program writes beside itself (also the
    // working templates of a build); deleting them ignores missing ones.
    static constexpr const char* kSummarySample = "blanksom.htm";
    static constexpr const char* kGallerySample = "blankgal.htm";
    static constexpr const char* kPictureSample = "blankimg.htm";
    static constexpr const char* kSamplePages[] = {kSummarySample, kGallerySample, kPictureSample};
    void DeleteSamplePages() const;

private:
    std::filesystem::path root_;
    std::filesystem::path projects_;
};

}  // namespace palimora
