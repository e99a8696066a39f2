#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <filesystem>

namespace palimora {

// Asks the system to open a file with the user's default program (a page in
// the web browser, a picture in the viewer); failures are passed over.
inline void OpenWithDefaultProgram(const std::filesystem::path& file) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

}  // namespace palimora
