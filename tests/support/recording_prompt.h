#ifndef TAVRUNE_TESTS_SUPPORT_RECORDING_PROMPT_H_
#define TAVRUNE_TESTS_SUPPORT_RECORDING_PROMPT_H_

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_prompt.h"

namespace tavrune::testing {

// A UserPrompt that shows nothing: it records every message, question,
// status text and wait-cursor call, and answers questions from a script.
// `log` holds all of them in order as short lines ("message 40003",
// "ask 40080", "status 40067", "wait begin", "wait end") for order checks.
class RecordingPrompt : public UserPrompt {
 public:
  struct Shown {
    int id = 0;
    std::vector<std::string> args;
    Icon icon = Icon::kNone;  // messages only
  };

  // Answers for the coming questions, used first to last.
  void Script(std::initializer_list<Answer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
  }
  // What an unscripted question gets; without one it fails the test.
  void SetDefaultAnswer(Answer answer) { default_answer_ = answer; }

  void ShowMessage(int id, const std::vector<std::string>& args = {},
                   Icon icon = Icon::kWarning) override {
    messages.push_back({id, args, icon});
    log.push_back("message " + std::to_string(id));
  }
  Answer AskYesNo(int id, const std::vector<std::string>& args = {}) override {
    questions.push_back({id, args});
    log.push_back("ask " + std::to_string(id));
    const Answer answer = NextAnswer(id);
    if (answer != Answer::kYes && answer != Answer::kNo) {
      ADD_FAILURE() << "question " << id << " can only be answered Yes or No";
    }
    return answer;
  }
  Answer AskYesNoCancel(int id, const std::vector<std::string>& args = {}) override {
    questions.push_back({id, args});
    log.push_back("ask " + std::to_string(id));
    return NextAnswer(id);
  }
  void SetStatusText(int id, const std::vector<std::string>& args = {}) override {
    status_texts.push_back({id, args});
    log.push_back("status " + std::to_string(id));
  }
  void BeginWaitCursor() override {
    ++wait_begins;
    ++wait_depth;
    log.push_back("wait begin");
  }
  void EndWaitCursor() override {
    if (wait_depth == 0) ADD_FAILURE() << "wait cursor ended more often than begun";
    --wait_depth;
    log.push_back("wait end");
  }

  std::vector<int> MessageIds() const { return Ids(messages); }
  std::vector<int> QuestionIds() const { return Ids(questions); }
  std::vector<int> StatusIds() const { return Ids(status_texts); }
  // The status text now showing; nullopt before the first.
  std::optional<int> CurrentStatus() const {
    if (status_texts.empty()) return std::nullopt;
    return status_texts.back().id;
  }
  size_t UnusedAnswers() const { return answers_.size(); }
  void Clear() {
    messages.clear();
    questions.clear();
    status_texts.clear();
    log.clear();
    wait_begins = 0;
  }

  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<Shown> status_texts;
  std::vector<std::string> log;
  int wait_begins = 0;
  int wait_depth = 0;

 private:
  Answer NextAnswer(int id) {
    if (!answers_.empty()) {
      const Answer answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    if (default_answer_) return *default_answer_;
    ADD_FAILURE() << "unscripted question " << id;
    return Answer::kCancel;
  }
  static std::vector<int> Ids(const std::vector<Shown>& shown) {
    std::vector<int> ids;
    for (const Shown& s : shown) ids.push_back(s.id);
    return ids;
  }

  std::deque<Answer> answers_;
  std::optional<Answer> default_answer_;
};

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_RECORDING_PROMPT_H_
