#include "judge/app/about_box.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "judge/judge_messages.h"
#include "judge/ui/judge_icons.h"

namespace tavrune {

AboutBox::AboutBox(const QString& lexicon_lines, const QString& log_folder, const QString& waiting,
                   QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("About %1").arg(QString::fromUtf8(kJudgeProgramName)));

  auto* icon = new QLabel(this);
  icon->setPixmap(JudgeIconPixmap(JudgeIcon::kProgram, 48, devicePixelRatioF()));
  program_ =
      new QLabel(tr("%1 Version %2")
                     .arg(QString::fromUtf8(kJudgeProgramName), QString::fromUtf8(kJudgeVersion)),
                 this);
  QFont bold = program_->font();
  bold.setBold(true);
  program_->setFont(bold);
  auto* heading = new QLabel(tr("Lexicons:"), this);
  lexicons_ = new QLabel(lexicon_lines, this);
  lexicons_->setTextFormat(Qt::PlainText);
  lexicons_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  QString folder_text = tr("Log folder: %1").arg(log_folder);
  if (!waiting.isEmpty()) folder_text += '\n' + waiting;
  log_folder_ = new QLabel(folder_text, this);
  log_folder_->setTextFormat(Qt::PlainText);
  log_folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  log_folder_->setVisible(!log_folder.isEmpty());

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
  grid->addWidget(program_, 0, 1);
  grid->addWidget(heading, 1, 1);
  grid->addWidget(lexicons_, 2, 1);
  grid->addWidget(log_folder_, 3, 1);
  grid->addWidget(buttons, 4, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tavrune
