#include "cardbox/ui/cardbox_statistics_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "cardbox/cardbox_clock.h"
#include "cardbox/cardbox_study.h"
#include "cardbox/statistics.h"
#include "cardbox/ui/cardbox_chart.h"

namespace tavrune {
namespace {

QStringList DayLabels(const std::vector<DayCount>& days) {
  QStringList labels;
  for (const DayCount& day : days) {
    labels << QString::fromStdString(LocalTimeText(day.start, "%m-%d"));
  }
  return labels;
}

}  // namespace

CardboxStatisticsDialog::CardboxStatisticsDialog(Cardbox& cardbox, const Deck& deck,
                                                 UserPrompt& prompt, QWidget* parent)
    : QDialog(parent),
      cardbox_(cardbox),
      prompt_(prompt),
      deck_choice_(new QComboBox(this)),
      summary_(new QLabel(this)),
      boxes_(new CardboxChart(CardboxChart::Style::kBars, tr("Cards per box"), this)),
      due_(new CardboxChart(CardboxChart::Style::kBars,
                            tr("Due now (red) and on each of the next 30 days"), this)),
      right_(new CardboxChart(CardboxChart::Style::kLine,
                              tr("Right answers on each of the last 30 days"), this)) {
  setWindowTitle(tr("Cardbox Statistics"));
  if (const CardboxStatus status = cardbox_.Decks(&decks_); !status.ok()) {
    ReportCardboxStatus(status, prompt_);
  }
  deck_choice_->addItem(tr("All cards"));
  int chosen = 0;
  for (const Deck& each : decks_) {
    if (each.lexicon == deck.lexicon && each.kind == deck.kind) chosen = deck_choice_->count();
    deck_choice_->addItem(QString::fromStdString(DeckTitle(each)));
  }

  auto* choice = new QFormLayout;
  choice->addRow(tr("&Cards:"), deck_choice_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choice);
  layout->addWidget(summary_);
  layout->addWidget(boxes_);
  layout->addWidget(due_);
  layout->addWidget(right_);
  layout->addWidget(buttons);

  connect(deck_choice_, &QComboBox::currentIndexChanged, this, &CardboxStatisticsDialog::ShowDeck);
  deck_choice_->setCurrentIndex(chosen);
  ShowDeck(chosen);
}

void CardboxStatisticsDialog::ShowDeck(int index) {
  CardFilter filter;
  if (index > 0 && index <= static_cast<int>(decks_.size())) {
    const Deck& deck = decks_[static_cast<size_t>(index - 1)];
    filter = {deck.lexicon, deck.kind};
  }
  CardboxStatistics statistics;
  if (const CardboxStatus status = ReadStatistics(cardbox_, filter, &statistics); !status.ok()) {
    ReportCardboxStatus(status, prompt_);
    return;
  }
  summary_->setText(
      tr("%1 cards, %2 due now.").arg(statistics.cards).arg(statistics.forecast.backlog));

  QStringList box_labels;
  for (size_t box = 0; box < statistics.boxes.size(); ++box) box_labels << QString::number(box);
  boxes_->SetValues(statistics.boxes, box_labels);

  std::vector<int64_t> due = {statistics.forecast.backlog};
  for (const DayCount& day : statistics.forecast.days) due.push_back(day.count);
  QStringList due_labels = DayLabels(statistics.forecast.days);
  due_labels.prepend(tr("Now"));
  due_->SetValues(std::move(due), due_labels, 1);

  std::vector<int64_t> right;
  for (const DayCount& day : statistics.right_days) right.push_back(day.count);
  right_->SetValues(std::move(right), DayLabels(statistics.right_days));
}

}  // namespace tavrune
