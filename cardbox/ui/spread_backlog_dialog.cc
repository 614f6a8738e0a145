#include "cardbox/ui/spread_backlog_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "platform/ui/number_field.h"

namespace tavrune {

SpreadBacklogDialog::SpreadBacklogDialog(int64_t due_now, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent),
      prompt_(prompt),
      spread_(new QRadioButton(tr("&Spread the cards due now over"), this)),
      shift_(new QRadioButton(tr("S&hift all cards so that this many are due now:"), this)),
      days_(NewNumberEdit(QStringLiteral("7"), this)),
      due_(NewNumberEdit(QStringLiteral("100"), this)) {
  setWindowTitle(tr("Spread Backlog"));
  spread_->setChecked(true);
  auto* grid = new QGridLayout;
  grid->addWidget(spread_, 0, 0);
  grid->addWidget(days_, 0, 1);
  grid->addWidget(new QLabel(tr("days"), this), 0, 2);
  grid->addWidget(shift_, 1, 0);
  grid->addWidget(due_, 1, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Cards due now: %1").arg(due_now), this));
  layout->addLayout(grid);
  layout->addWidget(buttons);
  connect(spread_, &QRadioButton::toggled, days_, &QWidget::setEnabled);
  connect(shift_, &QRadioButton::toggled, due_, &QWidget::setEnabled);
  due_->setEnabled(false);
}

bool SpreadBacklogDialog::Spreads() const { return spread_->isChecked(); }

void SpreadBacklogDialog::accept() {
  const std::optional<double> number =
      Spreads() ? ReadNumberField(days_, 1, kMaxDays, false, prompt_)
                : ReadNumberField(due_, 0, static_cast<double>(kMaxDue), false, prompt_);
  if (!number) return;
  number_ = static_cast<int64_t>(*number);
  QDialog::accept();
}

}  // namespace tavrune
