#include "judge/ui/word_judge_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "judge/judge_messages.h"
#include "judge/split_words.h"
#include "judge/ui/judge_icons.h"
#include "judge/ui/upper_case_edit.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

constexpr int kFaceSize = 32;

QLabel* MakeFace(JudgeIcon icon, QWidget* parent) {
  auto* face = new QLabel(parent);
  face->setPixmap(JudgeIconPixmap(icon, kFaceSize, parent->devicePixelRatioF()));
  face->setFixedSize(kFaceSize, kFaceSize);
  face->hide();
  return face;
}

}  // namespace

WordJudgeDialog::WordJudgeDialog(const Lexicon& lexicon, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), lexicon_(lexicon), prompt_(prompt) {
  setWindowTitle(tr("Word Judge"));

  auto* label = new QLabel(tr("&Word(s) to challenge"), this);
  words_ = new UpperCaseEdit(this);
  words_->setTabChangesFocus(true);
  label->setBuddy(words_);

  challenge_ = new QPushButton(tr("C&hallenge!"), this);
  challenge_->setAutoDefault(false);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setAutoDefault(false);
  help_ = new QPushButton(tr("&Help"), this);
  help_->setAutoDefault(false);

  smiling_face_ = MakeFace(JudgeIcon::kSmilingFace, this);
  frowning_face_ = MakeFace(JudgeIcon::kFrowningFace, this);
  verdict_ = new QLabel(this);
  verdict_->setMinimumWidth(
      fontMetrics().horizontalAdvance(QString::fromStdString(MessageText(kPlayNotAcceptableText))));

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(challenge_);
  buttons->addWidget(close);
  buttons->addWidget(help_);
  buttons->addStretch();

  auto* faces = new QGridLayout;
  faces->addWidget(smiling_face_, 0, 0);
  faces->addWidget(frowning_face_, 0, 0);
  faces->setColumnMinimumWidth(0, kFaceSize);
  faces->setRowMinimumHeight(0, kFaceSize);

  auto* verdict_row = new QHBoxLayout;
  verdict_row->addLayout(faces);
  verdict_row->addWidget(verdict_, 1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(words_, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->addLayout(verdict_row, 2, 0, 1, 2);
  grid->setRowStretch(1, 1);
  resize(300, 250);

  connect(challenge_, &QPushButton::clicked, this, &WordJudgeDialog::Challenge);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help_, &QPushButton::clicked, this, &WordJudgeDialog::helpRequested);
  connect(words_, &QPlainTextEdit::textChanged, this, &WordJudgeDialog::TextEdited);
  words_->setFocus();
}

void WordJudgeDialog::Challenge() {
  const std::vector<std::string> words = SplitWords(words_->Utf8Text());
  if (words.empty()) {
    prompt_.ShowMessage(kNoWordsToChallengeText, {}, UserPrompt::Icon::kInformation);
    words_->setFocus();
    return;
  }
  const bool acceptable = JudgeWords(lexicon_, words) == Verdict::kAcceptable;
  smiling_face_->setVisible(acceptable);
  frowning_face_->setVisible(!acceptable);
  verdict_->setText(QString::fromStdString(
      MessageText(acceptable ? kPlayAcceptableText : kPlayNotAcceptableText)));
  verdict_shown_ = true;
  challenge_->setEnabled(false);
  challenge_enabled_ = false;
  words_->setFocus();
}

void WordJudgeDialog::TextEdited() {
  if (verdict_shown_) {
    verdict_->clear();
    smiling_face_->hide();
    frowning_face_->hide();
    verdict_shown_ = false;
  }
  if (!challenge_enabled_) {
    challenge_->setEnabled(true);
    challenge_enabled_ = true;
  }
}

}  // namespace tavrune
