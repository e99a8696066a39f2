#pragma once

#include "common/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace palimora::testing {

// Answers the core's questions from a script and records what was asked.
// A question with no scripted answer left is answered Cancel.
class ScriptedDialogs : public UserDialogs {
public:
    std::deque<int> answers;
    std::deque<std::optional<std::string>> textAnswers;
    std::deque<int> choices;         // AskChoice's button indexes
    std::vector<std::string> shown;  // every message and question, in order
    int beeps = 0;

    int ShowMessageOk(const std::string& text) override {
        shown.push_back(text);
        return kModalOk;
    }
    int AskYesNoCancel(const std::string& text) override { return Next(text); }
    int AskOkCancel(const std::string& text) override { return Next(text); }
    std::optional<std::string> AskText(const std::string&, const std::string& prompt, const std::string&) override {
        shown.push_back(prompt);
        if (textAnswers.empty()) return std::nullopt;
        auto answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }
    int AskChoice(const std::string& text, const std::string&, const std::vector<std::string>&, int) override {
        shown.push_back(text);
        if (choices.empty()) return -1;
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }
    void Beep() override { ++beeps; }

private:
    int Next(const std::string& text) {
        shown.push_back(text);
        if (answers.empty()) return kModalCancel;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace palimora::testing
