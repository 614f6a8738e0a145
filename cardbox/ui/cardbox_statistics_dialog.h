#ifndef TAVRUNE_CARDBOX_UI_CARDBOX_STATISTICS_DIALOG_H_
#define TAVRUNE_CARDBOX_UI_CARDBOX_STATISTICS_DIALOG_H_

#include <QDialog>
#include <vector>

#include "cardbox/cardbox.h"
#include "platform/user_prompt.h"

class QComboBox;
class QLabel;

namespace tavrune {

class CardboxChart;

// Cardbox Statistics: for the whole cardbox or one deck, the cards per box,
// what is due on each of the next 30 days with today's backlog, and the
// right answers of the last 30 days, as charts.
class CardboxStatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on `deck` when it holds cards, else on the whole cardbox.
  CardboxStatisticsDialog(Cardbox& cardbox, const Deck& deck, UserPrompt& prompt,
                          QWidget* parent = nullptr);

  QComboBox* DeckChoice() const { return deck_choice_; }
  QLabel* Summary() const { return summary_; }
  CardboxChart* Boxes() const { return boxes_; }
  CardboxChart* Due() const { return due_; }
  CardboxChart* Right() const { return right_; }

 private:
  void ShowDeck(int index);

  Cardbox& cardbox_;
  UserPrompt& prompt_;
  std::vector<Deck> decks_;
  QComboBox* deck_choice_;
  QLabel* summary_;
  CardboxChart* boxes_;
  CardboxChart* due_;
  CardboxChart* right_;
};

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_UI_CARDBOX_STATISTICS_DIALOG_H_
