#pragma once

#include "publish/PublishRun.h"

#include <chrono>
#include <iosfwd>
#include <string>

namespace palimora {

class TerminalTextBuffer;

// How a command shows its progress.
enum class ProgressStyle {
    Lines,       // one line a step, "[done/total] status"
    StatusLine,  // one line on the terminal, rewritten in place at most ten times a second
    Quiet,       // nothing but the last status, the result
    Json,        // one object a step for scripts: {"step":"...","done":n,"total":n}
};

struct ProgressOutput {
    ProgressStyle style = ProgressStyle::Lines;
    TerminalTextBuffer* terminal = nullptr;  // the status line's, for StatusLine
    std::ostream* json = nullptr;            // where Json objects go (standard output)
};

// Progress on the terminal, of a build or a publication: the step count and
// the status text, in `output`'s style. Messages and questions go to `out`
// as they come, whatever the style.
class ConsoleProgress : public PublishProgress {
public:
    ConsoleProgress(std::ostream& out, ProgressOutput output = {});
    // Ends the status line with the last status, as a line of its own.
    ~ConsoleProgress() override;
    ConsoleProgress(const ConsoleProgress&) = delete;
    ConsoleProgress& operator=(const ConsoleProgress&) = delete;

    void SetMaximum(int maximum) override { maximum_ = maximum; }
    void Step() override { ++position_; }
    void SetStatus(const std::string& cp1252Text) override;
    bool CancelRequested() override { return false; }

protected:
    bool Quiet() const { return output_.style == ProgressStyle::Quiet; }

private:
    std::string Line() const;  // "[done/total] status", UTF-8

    std::ostream& out_;
    ProgressOutput output_;
    int maximum_ = 0;
    int position_ = 0;
    std::string status_;  // the last one, UTF-8
    std::chrono::steady_clock::time_point shownAt_{};
};

}  // namespace palimora
