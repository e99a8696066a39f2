#pragma once

#include <stdexcept>
#include <string>

namespace palimora {

// Error policy.
// - The core throws PalimoraError for a failure that ends a command: a
//   language text and the file or folder concerned, composed by the thrower
//   ("<text> <path>."), Windows-1252 and ready for a message window.
// - A std::filesystem::filesystem_error or std::bad_alloc is never shown as
//   its raw what(): the edge of the core (lang/ErrorMessages.h) puts it into
//   words that name the file or folder.
// - Every window command runs through a CommandGuard (lang/ui/CommandGuard.h),
//   so no exception ever leaves a Qt slot: the user is told and the program
//   goes on.
// - A fallback that worked (another language file, say) is a return value,
//   not an exception.
// - Long work stays responsive and cancellable through KeepAlive only
//   (common/UserDialogs.h).
class PalimoraError : public std::runtime_error {
public:
    explicit PalimoraError(const std::string& userMessage) : std::runtime_error(userMessage) {}
    const std::string& UserMessage() const noexcept { return message_; }

private:
    // std::runtime_error::what() would do, but a named accessor says what the text is for.
    std::string message_ = what();
};

}  // namespace palimora
