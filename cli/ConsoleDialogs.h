#pragma once

#include "common/UserDialogs.h"
#include "sitegen/SiteBuild.h"

#include <iosfwd>

namespace palimora {

// Messages go to standard error as UTF-8; questions get a fixed answer:
// No, Cancel, no text. A build asks none.
class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(std::ostream& out) : out_(out) {}
    int ShowMessageOk(const std::string& text) override;
    int AskYesNoCancel(const std::string& text) override;
    int AskOkCancel(const std::string& text) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    void Beep() override {}

private:
    std::ostream& out_;
};

// Progress on the terminal: the step count and the status text.
class ConsoleProgress : public BuildProgress {
public:
    explicit ConsoleProgress(std::ostream& out) : out_(out) {}
    void SetMaximum(int maximum) override { maximum_ = maximum; }
    void Step() override { ++position_; }
    void SetStatus(const std::string& cp1252Text) override;
    bool CancelRequested() override { return false; }

private:
    std::ostream& out_;
    int maximum_ = 0;
    int position_ = 0;
};

}  // namespace palimora
