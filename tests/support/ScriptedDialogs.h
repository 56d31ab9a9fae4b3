// Dialogs for tests: every prompt is recorded, and answered from a script queued beforehand.
// A prompt that finds no matching answer fails the test instead of blocking, unless the test
// improvises answers.
#pragma once

#include "common/Dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace osk::test {

struct Prompt {
    enum class Kind { Message, Question, OpenFile, SaveFile, Print } kind;
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    OpenFileRequest request; // for OpenFile
    SaveFileRequest save;    // for SaveFile
};

class ScriptedDialogs : public Dialogs {
public:
    // Queue answers in the order the prompts will come.
    void answerYes() { queue(Prompt::Kind::Question, true); }
    void answerNo() { queue(Prompt::Kind::Question, false); }
    void chooseFile(std::string path) { queue(Prompt::Kind::OpenFile, false, std::move(path)); }
    void cancelFile() { queue(Prompt::Kind::OpenFile, false); }
    // The Save dialog answered with path and the 1-based file type filter.
    void saveFile(std::string path, int filter = 1) {
        queue(Prompt::Kind::SaveFile, false, std::move(path), {}, filter);
    }
    void cancelSave() { queue(Prompt::Kind::SaveFile, false); }
    void printCopies(int copies) { queue(Prompt::Kind::Print, false, {}, copies); }
    void cancelPrint() { queue(Prompt::Kind::Print, false); }

    void message(const std::string& text, MessageIcon icon, const std::string& title) override {
        show({Prompt::Kind::Message, text, title, icon, {}, {}});
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        show({Prompt::Kind::Question, text, title, {}, {}, {}});
        const auto a = take(Prompt::Kind::Question, text);
        return a && a->yes;
    }
    std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) override {
        const auto a = take({Prompt::Kind::OpenFile, request.title, {}, {}, request, {}});
        return a && a->hasPath ? std::optional(a->path) : std::nullopt;
    }
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) override {
        const auto a = take({Prompt::Kind::SaveFile, request.title, {}, {}, {}, request});
        return a && a->hasPath ? std::optional(SaveFileChoice{a->path, a->filter}) : std::nullopt;
    }
    std::optional<int> choosePrint() override {
        const auto a = take({Prompt::Kind::Print, {}, {}, {}, {}, {}});
        return a ? a->copies : std::nullopt;
    }

    // Texts of the messages (not questions) shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& p : prompts)
            if (p.kind == Prompt::Kind::Message)
                out.push_back(p.text);
        return out;
    }
    bool allAnswersUsed() const { return answers_.empty(); }

    std::vector<Prompt> prompts;
    // Runs while a message or question is open, as the window's timers run in a real modal
    // box's event loop.
    std::function<void()> whileOpen;
    // Called when a prompt finds no answer queued, with the prompt already recorded: it may
    // queue one (answerYes, chooseFile, ...) for the prompt to take.
    std::function<void(const Prompt&)> improvise;

private:
    struct Answer {
        Prompt::Kind kind;
        bool yes;
        // A plain string and a flag: MinGW's GCC 12 warns (wrongly) of an optional string
        // moved through the queue.
        bool hasPath;
        std::string path;
        std::optional<int> copies;
        int filter = 1;
    };
    void queue(Prompt::Kind kind, bool yes, std::optional<std::string> path = {},
               std::optional<int> copies = {}, int filter = 1) {
        answers_.push_back(Answer{kind, yes, path.has_value(), path.value_or(""), copies, filter});
    }
    // A message box or question stays open while whileOpen runs.
    void show(Prompt p) {
        prompts.push_back(std::move(p));
        if (whileOpen)
            whileOpen();
    }
    // Records a dialog's prompt and takes its answer.
    std::optional<Answer> take(Prompt p) {
        prompts.push_back(std::move(p));
        return take(prompts.back().kind, "dialog " + prompts.back().text);
    }
    std::optional<Answer> take(Prompt::Kind kind, const std::string& what) {
        if (answers_.empty() && improvise)
            improvise(prompts.back());
        if (answers_.empty() || answers_.front().kind != kind) {
            ADD_FAILURE() << "unexpected prompt: " << what;
            return std::nullopt;
        }
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::deque<Answer> answers_;
};

} // namespace osk::test
