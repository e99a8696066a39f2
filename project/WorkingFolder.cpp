#include "project/WorkingFolder.h"

#include "common/Error.h"
#include "common/FolderFiles.h"
#include "common/ProgramFolder.h"
#include "project/PictureTextFile.h"
#include "project/PictureTextLayout.h"
#include "project/ProjectLayout.h"

namespace palimora {
namespace fs = std::filesystem;

void EmptyWorkingFolder(const fs::path& workingFolder) {
    for (const auto& folder :
         {project_layout::TextsFolder(workingFolder), project_layout::PicturesFolder(workingFolder), workingFolder}) {
        try {
            DeleteFolderFiles(folder);
        } catch (const PalimoraError&) {
            // A file that cannot go is shown by the next list rebuild as it is.
        }
    }
}

void PrepareWorkingFolder(const fs::path& workingFolder) {
    EmptyWorkingFolder(workingFolder);
    fs::create_directories(project_layout::PicturesFolder(workingFolder));
    fs::create_directories(project_layout::TextsFolder(workingFolder));
    PictureTextFile(project_layout::PictureTextFile(workingFolder)).CreateEmpty();
}

}  // namespace palimora
