#include "study/ui/control_bar.h"

#include <string>

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

void ControlBar::ShowMainWord() {
  std::string text(doc_.EntryCount() > 0 ? doc_.CurrentEntry() : std::string_view());
  if (!text.empty() && !doc_.IsAnagramType() && !slide_.ShowsTiles()) {
    if (!doc_.CurrentLexicon().Contains(text)) {
      text += '!';
    } else if (doc_.App().UseSymbolsForMainWord()) {
      text += doc_.WordSourceSymbolText(text);
    }
  }
  slide_.SetWord(Latin1(text));
}

}  // namespace tavrune
