#include "study/ui/control_bar.h"

#include <QList>
#include <string>
#include <utility>

#include "engine/letters.h"

namespace tavrune {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

WordCollection InsertionOrderCollection() {
  WordCollection words;
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return words;
}

ControlBar::ControlBar(MTavruneDoc& doc, MSlideWnd& slide, int list_count, QWidget* parent)
    : QWidget(parent), doc_(doc), slide_(slide), list_count_(list_count) {
  switch (list_count_) {
    case 1:
      slide_.ShowLists(MSlideWnd::kMiddle);
      break;
    case 2:
      slide_.ShowLists(MSlideWnd::kLeft | MSlideWnd::kRight);
      break;
    default:
      break;
  }
}

QString ControlBar::Caption() const { return QString::fromStdString(doc_.ListTitle()); }

MSlideWnd::ListBit ControlBar::FirstList() const {
  return list_count_ == 2 ? MSlideWnd::kLeft : MSlideWnd::kMiddle;
}

bool ControlBar::focusNextPrevChild(bool next) {
  QList<QWidget*> chain;
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    if (isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(this) &&
        (w->focusPolicy() & Qt::TabFocus) != 0) {
      chain.append(w);
    }
  }
  if (chain.isEmpty()) return false;
  const qsizetype at = chain.indexOf(focusWidget());
  const qsizetype count = chain.size();
  const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
  chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void ControlBar::SetDefiner(Definer definer) {
  definer_ = std::move(definer);
  UpdateDefinition();
}

void ControlBar::UpdateDefinition() {
  if (!definer_ || doc_.EntryCount() == 0 || !AnswersComplete()) {
    slide_.SetDefinition(QString());
    return;
  }
  std::vector<std::string> words;
  if (!doc_.IsAnagramType()) {
    words.emplace_back(doc_.CurrentEntry());
  } else {
    for (const std::string& line : AnswerLines()) {
      std::string word = WordShownIn(line);
      if (!word.empty() && line != kNoAnswers) words.push_back(std::move(word));
    }
  }
  slide_.SetDefinition(definer_(words));
}

void ControlBar::ShowMainWord() {
  std::string text(doc_.EntryCount() > 0 ? doc_.CurrentEntry() : std::string_view());
  if (!text.empty() && !doc_.IsAnagramType() && !slide_.ShowsTiles()) {
    if (!doc_.CurrentLexicon().Contains(text)) {
      text += '!';
    } else if (doc_.GetDictionary().UseSymbolsForMainWord()) {
      text += doc_.WordSourceSymbolText(text);
    }
  }
  slide_.SetWord(Latin1(text));
}

}  // namespace tavrune
