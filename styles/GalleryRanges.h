#pragma once

#include <optional>
#include <string>
#include <vector>

namespace palimora {

class SettingsStore;

// A gallery is a range of list positions, kept on its settings lines as the
// names of its first and last pictures. When pictures are deleted or
// inserted the names of the others change, so the ranges are rewritten for
// every remaining picture to stay in the gallery it was in.

// Where each picture of the list before a change stands after it: the new
// 0-based position of picture i, or nothing when it was deleted.
using NewPositions = std::vector<std::optional<int>>;

// The positions after deleting the pictures at `deleted` (0-based) from a
// list of `count`.
NewPositions PositionsAfterDeletion(int count, const std::vector<int>& deleted);
// Pictures inserted at positions at .. at + count - 1 of the new list: they
// join the gallery of the picture they were inserted before, the one the
// user had selected.
struct InsertedPictures {
    int at = 0;
    int count = 0;
};
// The positions of the pictures already there after an insertion.
NewPositions PositionsAfterInsertion(int count, const InsertedPictures& inserted);

// Rewrites the ranges of the named galleries for the list `after`, the
// pictures of `before` having moved as `moved` says (and `inserted` taken in,
// when some were). A named gallery none of whose pictures is left is
// removed, the later galleries moving up with their names and ranges.
// Returns the names of the removed galleries.
std::vector<std::string> FollowPictures(SettingsStore& settings, const std::vector<std::string>& before,
                                        const std::vector<std::string>& after, const NewPositions& moved,
                                        std::optional<InsertedPictures> inserted = std::nullopt);

}  // namespace palimora
