#include "common/ui/SharpPixmap.h"

#include <system_error>

namespace palimora {

QPixmap SharpPixmap(const std::filesystem::path& file, qreal screenRatio) {
    if (screenRatio > 1.0) {
        std::filesystem::path twice = file;
        twice.replace_filename(file.stem().string() + "@2x" + file.extension().string());
        std::error_code error;
        if (std::filesystem::exists(twice, error)) {
            QPixmap sharp(QString::fromStdString(twice.string()));
            if (!sharp.isNull()) {
                sharp.setDevicePixelRatio(2.0);
                return sharp;
            }
        }
    }
    return QPixmap(QString::fromStdString(file.string()));
}

}  // namespace palimora
