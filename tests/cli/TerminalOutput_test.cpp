#include "cli/ConsoleProgress.h"
#include "cli/TerminalText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace palimora {
namespace {

// Keeps each write it is given apart, as the system calls they become.
class WriteLog : public std::streambuf {
public:
    std::vector<std::string> writes;

protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        writes.emplace_back(bytes, static_cast<std::size_t>(count));
        return count;
    }
    int_type overflow(int_type c) override {
        writes.emplace_back(1, traits_type::to_char_type(c));
        return c;
    }
};

TEST(TerminalOutput, EachLineGoesOutWholeItsControlsEscapedAndTheStatusLineMakesWay) {
    WriteLog log;
    {
        TerminalTextBuffer buffer(&log);
        std::ostream out(&buffer);
        out << "[1/3] " << 'S' << "ending \x1b]0;x\x07 \xC2\x9B"
            << "31m.jpg\n";
        EXPECT_EQ(log.writes, std::vector<std::string>{"[1/3] Sending \\x1b]0;x\\x07 \\u009b31m.jpg\n"});
        out << "a prompt: " << std::flush;
        EXPECT_EQ(log.writes.back(), "a prompt: ");

        log.writes.clear();
        buffer.ShowStatus("[2/3] \x1b[2J\xC3\xA9t\xC3\xA9");
        ASSERT_EQ(log.writes.size(), 1u);
        EXPECT_EQ(log.writes[0], "\r[2/3] \\x1b[2J\xC3\xA9t\xC3\xA9\x1b[K");
        out << "A warning\n";
        EXPECT_EQ(log.writes.back(), "\r\x1b[KA warning\n");
        out << "unfinished";
    }
    EXPECT_EQ(log.writes.back(), "unfinished");  // flushed as the buffer ends
}

TEST(TerminalOutput, ProgressShowsAsItsStyleSays) {
    const auto run = [](ProgressStyle style) {
        std::ostringstream messages;
        std::ostringstream json;
        {
            ConsoleProgress progress(messages, ProgressOutput{style, nullptr, &json});
            progress.SetMaximum(2);
            progress.Step();
            progress.SetStatus("Page \"\xE9t\xE9\"");
            progress.Step();
            progress.SetStatus("Done");
        }
        return messages.str() + json.str();
    };
    EXPECT_EQ(run(ProgressStyle::Lines), "[1/2] Page \"\xC3\xA9t\xC3\xA9\"\n[2/2] Done\n");
    EXPECT_EQ(run(ProgressStyle::Quiet), "Done\n");
    EXPECT_EQ(run(ProgressStyle::Json),
              "{\"step\":\"Page \\\"\xC3\xA9t\xC3\xA9\\\"\",\"done\":1,\"total\":2}\n"
              "{\"step\":\"Done\",\"done\":2,\"total\":2}\n");
    // Without a terminal to rewrite a line on, one line a step.
    EXPECT_EQ(run(ProgressStyle::StatusLine), run(ProgressStyle::Lines));
}

}  // namespace
}  // namespace palimora
