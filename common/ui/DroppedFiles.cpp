#include "common/ui/DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

namespace palimora {

std::vector<std::filesystem::path> LocalFilesOf(const QMimeData* data) {
    std::vector<std::filesystem::path> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files.emplace_back(url.toLocalFile().toStdString());
    }
    return files;
}

}  // namespace palimora
