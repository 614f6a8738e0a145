#ifndef TAVRUNE_INSPECT_UI_WORD_INSPECTOR_WINDOW_H_
#define TAVRUNE_INSPECT_UI_WORD_INSPECTOR_WINDOW_H_

#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/word_facts.h"
#include "inspect/wordnet.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace tavrune {

// Every sense of `word` as a line, the most common first; else the one line
// that says WordNet has none or is missing.
std::vector<std::string> DefinitionLines(WordNet& wordnet, std::string_view word);
// The first sense of the first of `words` WordNet defines, after that word
// when there are several to choose from; else the line that says WordNet
// has none or is missing.
std::string FirstDefinition(WordNet& wordnet, const std::vector<std::string>& words);

// "Word Inspector": everything about one word at once, with what it means.
// Every word it shows is a link that inspects that word; Alt+Left goes back
// along the words inspected. It stays open beside the list and, when asked
// to, follows the list's current word.
class WordInspectorWindow : public QWidget {
  Q_OBJECT

 public:
  // `wordnet` is borrowed for the life of the window.
  WordInspectorWindow(std::unique_ptr<WordInspector> inspector, WordNet& wordnet,
                      QWidget* parent = nullptr);
  ~WordInspectorWindow() override;

  // For another lexicon: the word shown is inspected again in it.
  void SetInspector(std::unique_ptr<WordInspector> inspector);

  // Shows the facts of `word` (either case); the word shown before can be
  // gone back to. A word with a character other than a letter is refused
  // with a note that names it, and the facts shown stay.
  bool Inspect(const QString& word);
  // The list moved to `word`: inspected when the window follows the list.
  void ListMoved(const QString& word);
  // The word shown before the present one; false when there is none.
  bool Back();

  // The word whose facts are shown; empty before the first.
  const QString& ShownWord() const { return shown_; }
  bool FollowsList() const;

  QLineEdit* WordField() const { return field_; }
  QCheckBox* FollowBox() const { return follow_; }
  QPushButton* BackButton() const { return back_; }
  QLabel* Note() const { return note_; }
  QTextBrowser* Facts() const { return facts_; }

 private:
  bool Show(const QString& word, bool remember);
  void LinkActivated(const QUrl& link);
  void ShowNote(const QString& text);

  std::unique_ptr<WordInspector> inspector_;
  WordNet& wordnet_;
  QString shown_;
  std::vector<QString> history_;  // the words shown before, oldest first

  QLineEdit* field_;
  QPushButton* back_;
  QCheckBox* follow_;
  QLabel* note_;
  QTextBrowser* facts_;
};

}  // namespace tavrune

#endif  // TAVRUNE_INSPECT_UI_WORD_INSPECTOR_WINDOW_H_
