#ifndef TAVRUNE_STUDY_UI_CONTROL_BAR_H_
#define TAVRUNE_STUDY_UI_CONTROL_BAR_H_

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "study/ui/slide_widgets.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// The bar under the slide area, slide show or quiz: what the view asks of
// it whichever it is, and the main word that both show the same way.
class ControlBar : public QWidget {
  Q_OBJECT

 public:
  // `list_count` answer lists (0, 1 or 2) of the slide area are the bar's.
  ControlBar(MTavruneDoc& doc, MSlideWnd& slide, int list_count, QWidget* parent);

  // 0, 1 or 2 answer lists, and the answers each holds (for the status bar).
  int ListCount() const { return list_count_; }
  int AnswerCount(int list) const { return answer_counts_[list]; }
  QString Caption() const;

  // The view calls it for every new current word.
  virtual void ShowWord() = 0;
  // F2 and F3 and the buttons of the same names.
  virtual void Previous() = 0;
  virtual void Next() = 0;

  // The definition line of the first of `words` that has one; without a
  // definer no definition shows.
  using Definer = std::function<QString(const std::vector<std::string>& words)>;
  void SetDefiner(Definer definer);

 signals:
  // The answer counts changed.
  void countsChanged();

 protected:
  // The current word; outside the anagram types and on a text display a
  // word the lexicon lacks gets "!", else, when asked for, its source mark.
  void ShowMainWord();
  // The list the first (or only) group of answers goes to.
  MSlideWnd::ListBit FirstList() const;
  // Whether the current word's answers are all out, so its definition may
  // show without giving any away.
  virtual bool AnswersComplete() const = 0;
  // The current word's answers as the bar holds them.
  virtual std::vector<std::string> AnswerLines() const = 0;
  // Shows the definition under the answers, or takes it away, as
  // AnswersComplete says. An anagram entry is a rack, so its answers are
  // defined instead.
  void UpdateDefinition();
  // Tab and Shift+Tab go round the bar's enabled controls: the bar is all
  // the keyboard can reach in the view.
  bool focusNextPrevChild(bool next) override;

  MTavruneDoc& doc_;
  MSlideWnd& slide_;
  std::array<int, 2> answer_counts_{};

 private:
  int list_count_;
  Definer definer_;
};

// A word or answer line (8-bit letters) as the widgets show it.
QString Latin1(std::string_view text);

// What an answer list shows when the word has no answers.
inline constexpr const char* kNoAnswers = " <<NONE>>";

// A collection that keeps words in the order they come, as the answers are
// computed.
WordCollection InsertionOrderCollection();

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_CONTROL_BAR_H_
