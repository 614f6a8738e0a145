#ifndef TAVRUNE_JUDGE_JUDGE_MESSAGES_H_
#define TAVRUNE_JUDGE_JUDGE_MESSAGES_H_

namespace tavrune {

// The judge program's string-table numbers (texts in resources/judge_strings.cc).
inline constexpr int kAboutMenuText = 101;
inline constexpr int kNoLexiconsMessage = 102;
inline constexpr int kLexiconUnreadableMessage = 103;
inline constexpr int kNoWordsMessage = 104;
inline constexpr int kAcceptableVerdict = 105;
inline constexpr int kNotAcceptableVerdict = 106;
inline constexpr int kInvalidCharactersQuestion = 107;
inline constexpr int kInvalidCharactersRemovedMessage = 108;
inline constexpr int kLogFolderUnwritableQuestion = 109;
inline constexpr int kLexiconDamagedMessage = 110;
inline constexpr int kLogLinesWaitingText = 111;
inline constexpr int kEndWithLinesWaitingQuestion = 112;
// No data folder tried holds a lexicon; %1 names their Lexicons folders.
inline constexpr int kNoLexiconsInFoldersMessage = 120;

// The study program's Word Judge texts (resources/study_strings.cc).
inline constexpr int kPlayAcceptableText = 40073;
inline constexpr int kPlayNotAcceptableText = 40074;
inline constexpr int kNoWordsToChallengeText = 40075;

inline constexpr char kJudgeProgramName[] = "TavruneWordJudge";
inline constexpr char kJudgeWindowTitle[] = "Tavrune Word Judge";
inline constexpr char kJudgeVersion[] = "3.2.1";

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_JUDGE_MESSAGES_H_
