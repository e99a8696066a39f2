#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace palimora {

// What the command line reads from the person at the keyboard: a seam, so
// that tests can answer in their place.
class Terminal {
public:
    virtual ~Terminal() = default;
    // Standard input is a terminal someone can answer on.
    virtual bool Attached() const = 0;
    // A line typed after `prompt` (UTF-8), without echo when `secret`;
    // nullopt at the end of the input.
    virtual std::optional<std::string> ReadLine(const std::string& prompt, bool secret) = 0;
};

// The process's own terminal: prompts on standard error, reads standard input.
class SystemTerminal : public Terminal {
public:
    // Prompts are written to `prompts`.
    explicit SystemTerminal(std::ostream& prompts) : prompts_(prompts) {}
    bool Attached() const override;
    std::optional<std::string> ReadLine(const std::string& prompt, bool secret) override;

private:
    std::ostream& prompts_;
};

}  // namespace palimora
