#include "search/ui/random_racks_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <string>

#include "engine/random_racks.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

QString RangeText(const char* text, RackRange range) {
  return QString::fromLatin1(text).arg(range.min).arg(range.max);
}

}  // namespace

RandomRacksDialog::RandomRacksDialog(Settings& settings, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      prompt_(prompt),
      choices_(RandomRackChoices::Read(settings)) {
  setWindowTitle(tr("Generate Random Racks"));
  for (size_t i = 0; i < edits_.size(); ++i) {
    edits_[i] = new QLineEdit(QString::number(choices_.values[i]), this);
    edits_[i]->setMaxLength(4);
    edits_[i]->setMaximumWidth(60);
  }
  // The labels show the fixed ranges; a maximum is further held to its
  // minimum when checked.
  const auto range_of = &RandomRackChoices::Bounds;
  auto* top = new QFormLayout;
  auto add_row = [&](QFormLayout* form, const QString& label, RackField field) {
    auto* text = new QLabel(label, this);
    text->setBuddy(Edit(field));
    form->addRow(text, Edit(field));
  };
  add_row(top, RangeText("Number of &Racks (%1 - %2)", range_of(RackField::kNumRacks)),
          RackField::kNumRacks);
  add_row(
      top,
      RangeText("Number of &Letters in the Rack (%1 - %2)", range_of(RackField::kLettersPerRack)),
      RackField::kLettersPerRack);

  auto* pairs = new QGridLayout;
  struct Pair {
    const char* title;
    RackField min;
    RackField max;
  };
  const Pair kPairs[] = {
      {"&Point Total", RackField::kMinPoints, RackField::kMaxPoints},
      {"Number of &Vowels", RackField::kMinVowels, RackField::kMaxVowels},
      {"P&honies Percentage", RackField::kMinPhonies, RackField::kMaxPhonies},
      {"Probability &Factor", RackField::kMinProbFactor, RackField::kMaxProbFactor},
  };
  for (size_t i = 0; i < std::size(kPairs); ++i) {
    auto* group = new QGroupBox(tr(kPairs[i].title), this);
    auto* form = new QFormLayout(group);
    add_row(form, RangeText("Minimum (%1 - %2)", range_of(kPairs[i].min)), kPairs[i].min);
    add_row(form, RangeText("Maximum (%1 - %2)", range_of(kPairs[i].max)), kPairs[i].max);
    pairs->addWidget(group, static_cast<int>(i / 2), static_cast<int>(i % 2));
  }

  auto* bottom = new QFormLayout;
  add_row(bottom, RangeText("Maximum allowed &time (%1 - %2) secs", range_of(RackField::kMaxTime)),
          RackField::kMaxTime);
  ignore_blanks_ = new QCheckBox(tr("I do not want &Blanks in my Rack"), this);
  ignore_blanks_->setChecked(choices_.ignore_blanks);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &RandomRacksDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(pairs);
  layout->addLayout(bottom);
  layout->addWidget(ignore_blanks_);
  layout->addWidget(buttons);
  Edit(RackField::kNumRacks)->setFocus();
}

RandomRacksDialog::~RandomRacksDialog() { choices_.Write(settings_); }

void RandomRacksDialog::accept() {
  RandomRackChoices entered = choices_;
  for (size_t i = 0; i < edits_.size(); ++i) {
    const auto field = static_cast<RackField>(i);
    bool ok = false;
    const int value = edits_[i]->text().trimmed().toInt(&ok);
    const RackRange range = entered.Allowed(field);
    if (!ok || value < range.min || value > range.max) {
      if (ok) {
        prompt_.ShowMessage(kIntegerRangeText,
                            {std::to_string(range.min), std::to_string(range.max)});
      } else {
        prompt_.ShowMessage(kIntegerText);
      }
      edits_[i]->setFocus();
      edits_[i]->selectAll();
      return;
    }
    entered[field] = value;
  }
  entered.ignore_blanks = ignore_blanks_->isChecked();
  choices_ = entered;
  QDialog::accept();
}

}  // namespace tavrune

namespace tavrune {

RackClock PaintingClock() {
  return [timer = std::make_shared<QElapsedTimer>()]() {
    if (!timer->isValid() || timer->elapsed() >= 100) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      timer->start();
    }
    return RandomRackGenerator::SystemSeconds();
  };
}

}  // namespace tavrune
