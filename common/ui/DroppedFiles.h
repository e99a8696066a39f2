#pragma once

#include <filesystem>
#include <vector>

class QMimeData;

namespace palimora {

// The local files and folders of a drag, in the order given; none for a
// drag of anything else.
std::vector<std::filesystem::path> LocalFilesOf(const QMimeData* data);

}  // namespace palimora
