#include "sitegen/Markers.h"

#include "common/Cp1252.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "sitegen/PageLines.h"

#include <algorithm>
#include <system_error>

namespace palimora {
std::string MarkerLine(std::string_view name) { return "<!--" + std::string(name) + "--!>"; }

int Markers::Find(const PageLines& page, std::string_view name, int start) const {
    const std::string target = MarkerLine(name);
    for (int i = std::max(start, 0); i < page.Count(); ++i) {
        if (page.Get(i) == target) return i;
    }
    if (std::find(missing_.begin(), missing_.end(), name) == missing_.end()) missing_.emplace_back(name);
    return 0;
}

void Markers::TellMissing() const {
    if (missing_.empty()) return;
    std::string names;
    for (const std::string& name : missing_) names += (names.empty() ? "" : ", ") + name;
    missing_.clear();
    dialogs_.ShowMessageOk(language_.LangText(TextId::MissingMarker) + " " + names + ".");
}

void ClearLines(PageLines& page, int first, int last) {
    for (int i = first; i <= last; ++i) page.Put(i, {});
}

void Markers::InsertFile(PageLines& page, std::string_view marker, const std::filesystem::path& file,
                         TextId missingText) const {
    const int a = Find(page, marker, 0);
    const int b = Find(page, "FIN" + std::string(marker), a + 1);
    page.Put(a + 1, {});
    for (int i = b - 1; i >= a + 2; --i) page.Delete(i);
    if (file.empty()) return;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        dialogs_.ShowMessageOk(language_.LangText(missingText));
        return;
    }
    PageLines inserted;
    inserted.Load(file);
    for (int i = 0; i < inserted.Count(); ++i) page.Insert(a + 1 + i, inserted.Get(i));
}

void Markers::InsertHeaderFooter(PageLines& page, const std::filesystem::path& header,
                                 const std::filesystem::path& footer) const {
    InsertFile(page, "TEMPLATEHAUT", header, TextId::MissingHeader);
    InsertFile(page, "TEMPLATEBAS", footer, TextId::MissingFooter);
}

void Markers::ClearSignature(PageLines& page) const {
    ClearLines(page, Find(page, "SIGNATURE", 0) + 1, Find(page, "FINSIGNATURE", 0) - 1);
}

void StripMarkers(PageLines& page) {
    for (int i = 0; i < page.Count(); ++i) {
        if (page.Get(i).rfind("<!--", 0) == 0) page.Put(i, {});
    }
    for (int i = 1; i < page.Count(); ++i) {
        if (!page.Get(i).empty()) continue;
        int j = i + 1;
        while (j < page.Count() && page.Get(j).empty()) ++j;
        // A run that reaches the end of the page shrinks to one line too.
        for (int k = j - 1; k > i; --k) page.Delete(k);
    }
}

}  // namespace palimora
