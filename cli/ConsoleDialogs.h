#pragma once

#include "common/UserDialogs.h"
#include "lang/TextId.h"
#include "publish/PublishRun.h"
#include "sitegen/SiteBuild.h"

#include <iosfwd>

namespace palimora {

class Language;

// Messages go to standard error as UTF-8; questions get a fixed answer:
// No, Cancel, no text, told after the question in `language`'s words
// (without one, in English). A build asks none.
class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(std::ostream& out, const Language* language = nullptr) : out_(out), language_(language) {}
    int ShowMessageOk(const std::string& text) override;
    int AskYesNoCancel(const std::string& text) override;
    int AskOkCancel(const std::string& text) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    void Beep() override {}

protected:
    // The answer given to a question, as the user reads it after the question.
    void TellAnswer(const std::string& cp1252Question, TextId answer, const char* english) const;

private:
    std::ostream& out_;
    const Language* language_;
};

// Progress on the terminal, of a build or a publication: the step count and
// the status text.
class ConsoleProgress : public PublishProgress {
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
