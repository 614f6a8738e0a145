#include "judge/app/judge_dialog.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "judge/app/about_box.h"
#include "judge/challenge.h"
#include "judge/judge_messages.h"
#include "judge/ui/judge_icons.h"
#include "judge/ui/upper_case_edit.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

constexpr int kVerdictIconSize = 48;

QString Text(int id) { return QString::fromStdString(MessageText(id)); }

QString InstructionsText(bool no_mouse) {
  if (no_mouse) {
    return QStringLiteral(
        "&Challenge Instructions:\n"
        " 1. Type words separated by spaces or new line\n"
        " 2. Press TAB/JUDGE key\n"
        " 3. Words and results get cleared automatically in 7 seconds");
  }
  return QStringLiteral(
      "&Challenge Instructions:\n"
      " 1. Type words separated by spaces or new line\n"
      " 2. Press TAB/JUDGE key or click \"Judge\" button\n"
      " 3. Click \"Clear\" button\n"
      " 4. Words and results get cleared automatically in 7 seconds");
}

QLabel* MakeVerdictIcon(JudgeIcon icon, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(JudgeIconPixmap(icon, kVerdictIconSize, parent->devicePixelRatioF()));
  label->setFixedSize(kVerdictIconSize, kVerdictIconSize);
  label->hide();
  return label;
}

}  // namespace

JudgeDialog::JudgeDialog(const Lexicon& lexicon, ChallengeLog& log, UserPrompt& prompt, Setup setup,
                         QWidget* parent)
    : QDialog(parent), lexicon_(lexicon), log_(log), prompt_(prompt), setup_(std::move(setup)) {
  setWindowTitle(QString::fromUtf8(kJudgeWindowTitle));
  setWindowIcon(JudgeIconSet(JudgeIcon::kProgram));

  instructions_ = new QLabel(InstructionsText(setup_.no_mouse), this);
  words_ = new UpperCaseEdit(this);
  words_->installEventFilter(this);
  // Read across the table by both players.
  QFont words_font = words_->font();
  words_font.setPointSizeF(words_font.pointSizeF() * 1.4);
  words_->setFont(words_font);
  instructions_->setBuddy(words_);

  verdict_ = new QLabel(this);
  verdict_->setAlignment(Qt::AlignCenter);
  QFont verdict_font = verdict_->font();
  verdict_font.setBold(true);
  verdict_font.setPointSizeF(verdict_font.pointSizeF() * 1.6);
  verdict_->setFont(verdict_font);
  verdict_->setMinimumHeight(QFontMetrics(verdict_font).lineSpacing() * 2 + 4);
  check_mark_ = MakeVerdictIcon(JudgeIcon::kCheckMark, this);
  red_cross_ = MakeVerdictIcon(JudgeIcon::kRedCross, this);

  judge_ = new QPushButton(tr("&Judge"), this);
  judge_->setDefault(true);
  judge_->setEnabled(false);
  clear_ = new QPushButton(tr("Clea&r"), this);
  clear_->setAutoDefault(false);
  about_ = new QPushButton(tr("&About"), this);
  about_->setAutoDefault(false);

  lexicon_line_ = new QLineEdit(setup_.lexicon_caption, this);
  lexicon_line_->setReadOnly(true);
  lexicon_line_->setFocusPolicy(Qt::NoFocus);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(judge_);
  buttons->addWidget(clear_);
  buttons->addWidget(about_);
  buttons->addStretch();

  auto* icons = new QGridLayout;
  icons->addWidget(check_mark_, 0, 0);
  icons->addWidget(red_cross_, 0, 0);
  icons->setColumnMinimumWidth(0, kVerdictIconSize);
  icons->setRowMinimumHeight(0, kVerdictIconSize);

  auto* verdict_row = new QHBoxLayout;
  verdict_row->addLayout(icons);
  verdict_row->addWidget(verdict_, 1);
  verdict_row->addSpacing(kVerdictIconSize);

  auto* grid = new QGridLayout(this);
  grid->addWidget(instructions_, 0, 0, 1, 2);
  grid->addWidget(words_, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->addLayout(verdict_row, 2, 0, 1, 2);
  grid->addWidget(lexicon_line_, 3, 0, 1, 2);
  grid->setRowStretch(1, 1);
  resize(460, 400);

  if (setup_.no_mouse) {
    judge_->hide();
    clear_->hide();
    about_->hide();
  }

  // There is no window menu to extend here, so the entry lives in the
  // window's context menu and on F1, which also serves keyboard mode.
  about_action_ = new QAction(Text(kAboutMenuText), this);
  about_action_->setShortcut(QKeySequence(Qt::Key_F1));
  about_action_->setShortcutContext(Qt::WindowShortcut);
  addAction(about_action_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  timer_.setSingleShot(true);
  timer_.setInterval(kClearDelayMs);

  connect(judge_, &QPushButton::clicked, this, &JudgeDialog::Judge);
  connect(clear_, &QPushButton::clicked, this, &JudgeDialog::Clear);
  connect(about_, &QPushButton::clicked, this, &JudgeDialog::ShowAbout);
  connect(about_action_, &QAction::triggered, this, &JudgeDialog::ShowAbout);
  connect(&timer_, &QTimer::timeout, this, &JudgeDialog::ClearTimerFired);
  connect(words_, &QPlainTextEdit::textChanged, this, &JudgeDialog::TextEdited);
  words_->setFocus();
}

bool JudgeDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == words_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      Judge();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void JudgeDialog::Judge() {
  timer_.stop();
  const std::string text = words_->Utf8Text();
  if (HasInvalidCharacters(text)) {
    if (prompt_.AskYesNo(kInvalidCharactersQuestion) == UserPrompt::Answer::kYes) {
      words_->setPlainText(QString::fromStdString(RemoveInvalidCharacters(text)));
      words_->moveCursor(QTextCursor::End);
      prompt_.ShowMessage(kInvalidCharactersRemovedMessage, {}, UserPrompt::Icon::kInformation);
    }
    words_->setFocus();
    return;
  }
  const ChallengeResult challenge = JudgeChallenge(lexicon_, text);
  if (challenge.verdict == Verdict::kNoWords) {
    prompt_.ShowMessage(kNoWordsMessage, {}, UserPrompt::Icon::kInformation);
    SetJudgeEnabled(false);
    words_->setFocus();
    return;
  }
  const bool acceptable = challenge.verdict == Verdict::kAcceptable;
  check_mark_->setVisible(acceptable);
  red_cross_->setVisible(!acceptable);
  verdict_->setText(Text(acceptable ? kAcceptableVerdict : kNotAcceptableVerdict));
  SetJudgeEnabled(false);
  verdict_shown_ = true;
  timer_.start();
  log_.LogChallenge(challenge);
  words_->setFocus();
}

void JudgeDialog::Clear() {
  timer_.stop();
  clearing_ = true;
  words_->clear();
  clearing_ = false;
  RemoveVerdict();
  SetJudgeEnabled(false);
  words_->setFocus();
}

void JudgeDialog::ClearTimerFired() { Clear(); }

void JudgeDialog::ShowAbout() {
  if (about_handler_) {
    about_handler_();
  } else {
    AboutBox box(setup_.lexicon_lines, this);
    box.exec();
  }
  words_->setFocus();
}

void JudgeDialog::TextEdited() {
  if (clearing_) return;
  timer_.stop();
  RemoveVerdict();
  if (!judge_enabled_) SetJudgeEnabled(true);
}

void JudgeDialog::RemoveVerdict() {
  if (!verdict_shown_) return;
  verdict_->clear();
  check_mark_->hide();
  red_cross_->hide();
  verdict_shown_ = false;
}

void JudgeDialog::SetJudgeEnabled(bool enabled) {
  judge_enabled_ = enabled;
  judge_->setEnabled(enabled);
}

}  // namespace tavrune
