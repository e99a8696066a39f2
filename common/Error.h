#pragma once

#include <stdexcept>
#include <string>

namespace palimora {

// The one error type of the core. Its message is meant for the user: it is
// Windows-1252 text in the user's language, ready for a message window.
class PalimoraError : public std::runtime_error {
public:
    explicit PalimoraError(const std::string& userMessage) : std::runtime_error(userMessage) {}
    const std::string& UserMessage() const noexcept { return message_; }

private:
    // std::runtime_error::what() would do, but a named accessor says what the text is for.
    std::string message_ = what();
};

}  // namespace palimora
