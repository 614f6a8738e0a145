#ifndef TAVRUNE_TOOLS_TOOL_IO_H_
#define TAVRUNE_TOOLS_TOOL_IO_H_

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_io.h"
#include "engine/lexicon.h"
#include "engine/lexicon_id.h"
#include "engine/word_collection.h"
#include "platform/data_folder.h"
#include "platform/user_prompt.h"
#include "tools/lexicon_tool.h"

namespace tavrune {

// The one-line failure every command reports: the message on `err`, and
// the usage exit status to return.
int Fail(std::ostream& err, const std::string& message);

// A note on `err` that is no failure: "tavrune-lexicon: " + message.
void Note(std::ostream& err, const std::string& message);

// What every tavrune-lexicon command works with: its streams, the clock the
// racks command measures its time limit with, the data folder bare lexicon
// names are looked up in, and the one-line failure convention.
struct Io {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  ToolClock clock = {};
  DataFolder data = {};

  int Fail(const std::string& message) const { return tavrune::Fail(err, message); }
};

using Args = std::vector<std::string>;

// The line without surrounding white space.
std::string_view TrimLine(std::string_view line);

// "cannot read 'PATH': REASON" and "cannot write 'PATH': REASON", failures.
int FailReading(std::ostream& err, const std::string& path, const FileStatus& status);
int FailWriting(std::ostream& err, const std::string& path, const FileStatus& status);

// Loads the lexicon named on the command line: a file, or, when there is
// no such file, a bare name such as UKNA or UKNA.TVD from the Lexicons
// folder of `data`. On failure reports it and sets `status`.
bool LoadLexicon(const std::string& argument, const DataFolder& data, Lexicon& lexicon,
                 std::ostream& err, int& status);
inline bool LoadLexicon(const std::string& argument, Lexicon& lexicon, const Io& io, int& status) {
  return LoadLexicon(argument, io.data, lexicon, io.err, status);
}

// What a typed word, rack or pattern may hold once its letters are
// upper-cased, as the programs' upper-casing edits leave them.
enum class TileText {
  kWord,      // letters
  kRack,      // letters and '?' blanks
  kWildRack,  // letters, '?' and '*'
  kPattern,   // letters and pattern syntax
};

// `text` with a-z upper-cased; nullopt, after one line on `err` that names
// `what` and the first character that has no place in it.
std::optional<std::string> ReadTileText(std::string_view text, TileText kind, std::string_view what,
                                        std::ostream& err);

// The character at `position` as the user typed it: itself when printable,
// a whole UTF-8 sequence, else its byte as \xNN.
std::string DescribeCharacter(std::string_view text, size_t position);

// Calls `per_line` with each line of standard input (ending in '\n' unless
// it is the last and has none) and its number from 1; kExitUsage, reported,
// when reading failed.
int ForEachInputLine(const Io& io,
                     const std::function<void(std::string_view line, long long number)>& per_line);

// `text` with each control character, and each byte that begins no UTF-8
// character, as '?': outside text made safe for a terminal.
std::string PrintableText(std::string_view text);

// Reads `words` (or, when empty, each non-blank line of standard input) as
// `kind`, and calls `per_word` with each. A line that cannot be read is
// reported with its number and skipped, so the rest of a batch still runs;
// the result is then kExitUsage, else kExitOk.
int ForEachWordArgument(const Args& words, TileText kind, const Io& io,
                        const std::function<void(const std::string&)>& per_word);

// A whole decimal integer, nothing else.
std::optional<long long> ParseInteger(std::string_view text);

// The lexicon number after the option at args[i] (--lexicon-id), 0-4;
// moves i onto it. Nothing, after the one-line failure, when it is missing
// or out of range.
std::optional<LexiconId> ReadLexiconId(const Args& args, size_t& i, const Io& io);

// Prints the words one per line, and notes on stderr when the collection was
// filled to its limit, so a cut result is never mistaken for a whole one.
void PrintWords(const WordCollection& words, const Io& io);

// A prompt for commands: messages go to the error stream, a file error as
// one failure line that names the file and the reason; a question about a
// size limit is answered Yes (keep what fits), any other Cancel.
class StreamPrompt : public UserPrompt {
 public:
  explicit StreamPrompt(std::ostream& err) : err_(err) {}
  // Whether a file error was shown: the command must then end with kExitUsage.
  bool ShowedFileError() const { return file_error_; }
  void ShowMessage(int id, const std::vector<std::string>& args, Icon) override;
  Answer AskYesNo(int, const std::vector<std::string>&) override { return Answer::kYes; }
  Answer AskYesNoCancel(int, const std::vector<std::string>&) override { return Answer::kCancel; }
  void SetStatusText(int, const std::vector<std::string>&) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}

 private:
  std::ostream& err_;
  bool file_error_ = false;
};

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_TOOL_IO_H_
