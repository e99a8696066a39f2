// Stand-in until the publishing run lands: sends nothing and says so.
#include "publish/PublishRun.h"

#include "lang/Language.h"
#include "lang/TextId.h"

namespace palimora {

PublishOutcome PublishSite(const PublishRequest& request, const Language& language, UserDialogs& dialogs,
                           PublishProgress&) {
    dialogs.ShowMessageOk(language.LangText(TextId::SendFolderError) + " " +
                          request.folder.Project(request.projectName).string() + ".");
    return PublishOutcome::Failed;
}

}  // namespace palimora
