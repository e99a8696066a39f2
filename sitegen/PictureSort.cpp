#include "sitegen/PictureSort.h"

#include "common/Cp1252.h"
#include "imaging/PhotoFacts.h"
#include "project/PictureList.h"
#include "project/PictureNames.h"
#include "sitegen/Galleries.h"
#include "styles/ProjectSettings.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>
#include <vector>

namespace palimora {

namespace {

struct SortedPicture {
    int number = 0;  // 1-based, before sorting
    std::string key;
    bool keyed = false;  // a picture without a date sorts after those with one
};

// Compares titles as people read them: letters without case or accent, runs of digits by value.
bool ReadsBefore(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
        if (std::isdigit(ca) && std::isdigit(cb)) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
            std::string na = a.substr(i, ei - i), nb = b.substr(j, ej - j);
            na.erase(0, std::min(na.find_first_not_of('0'), na.size()));
            nb.erase(0, std::min(nb.find_first_not_of('0'), nb.size()));
            if (na.size() != nb.size()) return na.size() < nb.size();
            if (na != nb) return na < nb;
            i = ei;
            j = ej;
            continue;
        }
        const auto la = std::tolower(static_cast<unsigned char>(Cp1252BaseLetter(a[i])));
        const auto lb = std::tolower(static_cast<unsigned char>(Cp1252BaseLetter(b[j])));
        if (la != lb) return la < lb;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

}  // namespace

SortOutcome SortPictures(PictureList& pictures, const ProjectSettings& settings, const Language& language, SortKey key,
                         std::optional<int> onlyGallery) {
    const std::vector<std::string> before = pictures.Files();
    const int count = static_cast<int>(before.size());
    const Galleries galleries = ReadGalleries(settings, language, before);
    std::vector<std::pair<int, int>> groups;  // first and last position of each range sorted
    for (int k = 1; k <= kMaxGalleries; ++k) {
        const Gallery& gallery = galleries[static_cast<std::size_t>(k - 1)];
        if (gallery.Count() > 0 && (!onlyGallery || *onlyGallery == k))
            groups.emplace_back(gallery.first, gallery.last);
    }
    if (groups.empty() && !onlyGallery && count > 0) groups.emplace_back(0, count - 1);

    SortOutcome outcome;
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    for (const auto& [first, last] : groups) {
        std::vector<SortedPicture> group;
        for (int position = first; position <= last; ++position) {
            SortedPicture picture{order[static_cast<std::size_t>(position)], {}, false};
            const std::string& name = before[static_cast<std::size_t>(picture.number - 1)];
            if (key == SortKey::DateTaken) {
                picture.key = DateTakenOf(pictures.FileOf(name));
            } else if (const auto texts = pictures.Texts().Read(PictureFileNumber(name))) {
                picture.key = texts->title;
            }
            picture.keyed = !picture.key.empty() || key == SortKey::Name;
            if (key == SortKey::DateTaken && picture.keyed) ++outcome.dated;
            group.push_back(std::move(picture));
        }
        std::stable_sort(group.begin(), group.end(), [key](const SortedPicture& a, const SortedPicture& b) {
            if (a.keyed != b.keyed) return a.keyed;
            if (!a.keyed) return false;
            return key == SortKey::DateTaken ? a.key < b.key : ReadsBefore(a.key, b.key);
        });
        for (int position = first; position <= last; ++position)
            order[static_cast<std::size_t>(position)] = group[static_cast<std::size_t>(position - first)].number;
    }
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<std::size_t>(i)] != i + 1) ++outcome.moved;
    }
    if (outcome.moved == 0 || !pictures.Reorder(order)) {
        outcome.moved = 0;
        return outcome;
    }
    outcome.before = before;
    // Each gallery keeps its places, whatever picture now stands in them:
    // its range is written again only for the names of those places (a
    // place may now hold a picture of another kind, "000004.gif").
    outcome.positions.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) outcome.positions[static_cast<std::size_t>(i)] = i;
    return outcome;
}

}  // namespace palimora
