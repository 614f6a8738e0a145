#ifndef TAVRUNE_STUDY_UI_ENTRY_TEXT_VIEW_H_
#define TAVRUNE_STUDY_UI_ENTRY_TEXT_VIEW_H_

#include <QWidget>

#include "wordlist/tavrune_doc.h"

class QLabel;
class QPlainTextEdit;

namespace tavrune {

// A plain view of the list: the list title, the current entry, its answers
// and its position, refreshed whenever the document says something changed.
class EntryTextView : public QWidget, public DocumentObserver {
  Q_OBJECT

 public:
  explicit EntryTextView(MTavruneDoc& doc, QWidget* parent = nullptr);
  ~EntryTextView() override;

  void OnUpdate(int hint) override;

  QString EntryText() const;
  QString AnswersText() const;
  QString PositionText() const;

 private:
  MTavruneDoc& doc_;
  QLabel* title_;
  QLabel* entry_;
  QPlainTextEdit* answers_;
  QLabel* position_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_ENTRY_TEXT_VIEW_H_
