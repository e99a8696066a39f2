#include "lang/ui/CommandGuard.h"

#include "common/UserDialogs.h"
#include "lang/ErrorMessages.h"

namespace palimora {

bool CommandGuard::Run(const std::function<void()>& command) const {
    try {
        command();
        return true;
    } catch (...) {
        const std::string message = UserMessageOf(std::current_exception(), language_);
        try {
            dialogs_.ShowMessageOk(message);
        } catch (...) {
            // Nothing more can be told; the program goes on.
        }
        return false;
    }
}

}  // namespace palimora
