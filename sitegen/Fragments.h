#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace palimora {

class Language;
class MadeFiles;
class UserDialogs;

// The one-line HTML fragments of the pages, spelt exactly as the pages hold
// them. Alignment, style and font values are compared with the language
// texts that the style lists are filled with.

// The CSS word of an item of the alignment list ("center", "left",
// "right"); empty for another text.
std::string AlignmentKeyword(const std::string& alignment, const Language& language);
// The tag letter of an item of the style list ('B', 'I' or 'U'); 0 for plain
// or another text.
char StyleLetter(const std::string& style, const Language& language);

std::string AlignOpen(const std::string& alignment, const Language& language);
std::string StyleOpen(const std::string& style, const Language& language);
std::string StyleClose(const std::string& style, const Language& language);
std::string FontOpen(const std::string& face, int size, int colour, const Language& language);
std::string LinkText(const std::string& text, const std::string& target);
// Typed text as it must stand in a page to read as typed: &, <, > and "
// become entities. Titles and names go through it wherever they are written,
// so none can open a tag or be taken for a marker line.
std::string HtmlText(const std::string& text);
// A comment line keeps its HTML, but stays one line of the page that is no
// marker: line breaks become blanks and a line that would start with "<!--"
// (which the final stripping empties) is moved off the first column.
std::string NeverAMarker(const std::string& html);
// Whether a line reads `lowerCase` in any letter case, as HTML reads tags.
bool SameLetters(std::string_view line, std::string_view lowerCase);
// "#RRGGBB" of a colour value red + 256 x green + 65536 x blue.
std::string HtmlColour(int colour);

// Where a picture named by a setting is found from a page: nothing, a web
// address as it is ("www" gains "http://"), or a local file copied into the
// project's param folder and named from there ("./param/NAME" in a build,
// "./Projets/<project>/param/NAME" for a preview sample).
class AssetReferences {
public:
    // `made`: told of every file copied into param, when given.
    AssetReferences(std::filesystem::path projectFolder, std::string projectName, bool buildMode,
                    MadeFiles* made = nullptr)
        : projectFolder_(std::move(projectFolder)),
          projectName_(std::move(projectName)),
          buildMode_(buildMode),
          made_(made) {}

    std::string Reference(const std::string& path) const;
    // `<TABLE ...>` with its background picture referenced as above.
    std::string TableOpen(int border, const std::string& background, int borderColour, int cellSpacing, int cellPadding,
                          int backColour) const;

    // Copies a local file into param and returns its file name. A file that
    // cannot be copied keeps its reference and is remembered for
    // TellFailedCopies.
    std::string CopyIntoParam(const std::string& path) const;

    // Tells the user, in one message (ParamCopyFailed and the paths), every
    // file that could not be copied since the last time, each once.
    void TellFailedCopies(UserDialogs& dialogs, const Language& language) const;
    // The files that could not be copied since the last time, forgotten
    // here; and the same from elsewhere (another thread's pages).
    std::vector<std::string> TakeFailedCopies() const;
    void AddFailedCopies(const std::vector<std::string>& paths) const;

private:
    void NoteFailedCopy(const std::string& path) const;

    std::filesystem::path projectFolder_;
    std::string projectName_;
    bool buildMode_;
    MadeFiles* made_;
    mutable std::vector<std::string> failedCopies_;  // Windows-1252 paths, as the settings hold them
};

// Whether a setting names a web address rather than a local file.
bool IsWebAddress(const std::string& path);
// "http://" in front of an address that starts with "www".
std::string WebAddress(const std::string& path);

}  // namespace palimora
