#ifndef TAVRUNE_STUDY_STUDY_SETTING_KEYS_H_
#define TAVRUNE_STUDY_STUDY_SETTING_KEYS_H_

#include "platform/setting_keys.h"

namespace tavrune {

// The study program's own window, view and session choices.
namespace setting {

namespace general {
inline constexpr IntSetting kShowWelcome = Flag(kSection, "ShowWelcome", 1);
// A word's first WordNet sense under its answers once they are all shown.
inline constexpr IntSetting kShowDefinitions = Flag(kSection, "ShowDefinitions", 0);
}  // namespace general

// The quiz history: answers found and asked, and whether a new list resets it.
namespace quiz {
inline constexpr std::string_view kSection = "Quiz";
inline constexpr CountSetting kNumAnswers = {kSection, "NumAnswers", 0};
inline constexpr CountSetting kNumQuestions = {kSection, "NumQuestions", 0};
inline constexpr IntSetting kAutoReset = Flag(kSection, "AutoReset", 0);
}  // namespace quiz

namespace view {
inline constexpr std::string_view kSection = "View";
// 0 slide show, 1 quiz.
inline constexpr IntSetting kType = Flag(kSection, "Type", 0);
}  // namespace view

namespace status_bar {
inline constexpr std::string_view kSection = "StatusBar";
inline constexpr IntSetting kShowAnswer = Flag(kSection, "ShowAnswer", 0);
inline constexpr IntSetting kShowProbFactor = Flag(kSection, "ShowProbFactor", 0);
}  // namespace status_bar

namespace window_size {
inline constexpr std::string_view kSection = "WindowSize";
// "%04d %04d %04d %04d": left, top, right, bottom of the normal position.
inline constexpr StringSetting kPosition = {kSection, "Position", "", TextRule::kFree, 64};
inline constexpr IntSetting kIsMaximized = Flag(kSection, "IsMaximized", 0);
}  // namespace window_size

// The cardbox's schedule lives in the cardbox itself, so the command line
// follows it too; these only shape the study program's sessions.
namespace cardbox {
inline constexpr std::string_view kSection = "Cardbox";
inline constexpr IntSetting kQuestionsPerSession =
    Ranged(kSection, "QuestionsPerSession", 100, 1, 1000);
inline constexpr IntSetting kBoxZeroFirst = Flag(kSection, "BoxZeroFirst", 0);
}  // namespace cardbox

namespace file_dialog {
inline constexpr std::string_view kSection = "FileDialog";
// Where the last list or text file was chosen; the file dialogs open there
// when no list file is open.
inline constexpr StringSetting kLastFolder = {kSection, "LastFolder", "", TextRule::kFree, 4096};
}  // namespace file_dialog

}  // namespace setting

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_STUDY_SETTING_KEYS_H_
