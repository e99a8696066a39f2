#pragma once

#include "lang/TextId.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace palimora {

class PageLines;
class Language;
class UserDialogs;

// Template marker lines: a whole line reading <!--NAME--!>, compared
// exactly. Missing markers and header/footer files are told to the user.
class Markers {
public:
    Markers(UserDialogs& dialogs, const Language& language) : dialogs_(dialogs), language_(language) {}

    // The index of the first line at or after `start` that is the marker
    // NAME; 0 when there is none, and the name is kept for TellMissing. A
    // marker on the very first line therefore counts as missing.
    int Find(const PageLines& page, std::string_view name, int start) const;

    // Tells the user what was found missing since the last time: each
    // missing header or footer file once (MissingHeader, MissingFooter),
    // then every missing marker in one message (MissingMarker and the
    // names), each name once. A build calls it after its pages, so a site of
    // a hundred pages gets one message, not a hundred.
    void TellMissing() const;

    // Replaces the TEMPLATEHAUT and TEMPLATEBAS sections with the lines of
    // the header and footer files (empty paths: nothing); for a missing file
    // nothing is inserted and it is kept for TellMissing.
    void InsertHeaderFooter(PageLines& page, const std::filesystem::path& header,
                            const std::filesystem::path& footer) const;

    // Empties the lines between SIGNATURE and FINSIGNATURE.
    void ClearSignature(PageLines& page) const;

    // What was found missing since the last time, forgotten here; and the
    // same found elsewhere (another thread's pages), added as if found here.
    struct Missing {
        std::vector<std::string> markers;
        std::vector<TextId> files;
    };
    Missing TakeMissing() const;
    void Add(const Missing& missing) const;

private:
    void NoteMarker(std::string_view name) const;
    void NoteFile(TextId text) const;
    void InsertFile(PageLines& page, std::string_view marker, const std::filesystem::path& file,
                    TextId missingText) const;

    UserDialogs& dialogs_;
    const Language& language_;
    mutable std::vector<std::string> missing_;
    mutable std::vector<TextId> missingFiles_;
};

std::string MarkerLine(std::string_view name);

// Sets lines first..last to empty (nothing when last < first).
void ClearLines(PageLines& page, int first, int last);

// Run once before a page is saved: every line starting with "<!--" becomes
// empty, then every run of empty lines from the second line on shrinks to one.
void StripMarkers(PageLines& page);

}  // namespace palimora
