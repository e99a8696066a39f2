#include "lang/StartFolder.h"

#include "common/Cp1252.h"
#include "common/ProgramFolderChoice.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"

namespace palimora {

StartFolder FindStartFolder() {
    try {
        return {ProgramFolder::OfRunningProgram(), {}};
    } catch (const ProgramFolderUnusable& unusable) {
        const ProgramFolder data(unusable.DataFolder());
        Language language;
        (void)language.LoadChosen(data, LocaleLanguageCode(data));  // a missing file leaves the built-in texts
        return {data, language.LangText(TextId::ProgramFolderUnusable) + " " + Cp1252FromPath(unusable.Folder()) +
                          " (" + unusable.Reason() + ")"};
    }
}

}  // namespace palimora
