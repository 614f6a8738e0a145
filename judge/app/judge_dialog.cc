#include "judge/app/judge_dialog.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

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

void SizeVerdictIcon(QLabel* label, JudgeIcon icon, int size, qreal pixel_ratio) {
  label->setPixmap(JudgeIconPixmap(icon, size, pixel_ratio));
  label->setFixedSize(size, size);
}

QLabel* MakeVerdictIcon(JudgeIcon icon, QWidget* parent) {
  auto* label = new QLabel(parent);
  SizeVerdictIcon(label, icon, kVerdictIconSize, parent->devicePixelRatioF());
  label->hide();
  return label;
}

QFont Scaled(QFont font, double scale) {
  font.setPointSizeF(font.pointSizeF() * scale);
  return font;
}

}  // namespace

JudgeDialog::JudgeDialog(const Lexicon& lexicon, ChallengeLog& log, UserPrompt& prompt, Setup setup,
                         QWidget* parent)
    : QDialog(parent), lexicon_(lexicon), log_(log), prompt_(prompt), setup_(std::move(setup)) {
  setWindowTitle(QString::fromUtf8(kJudgeWindowTitle));
  // A main window: resizable, with maximise, so it can fill a screen.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowIcon(JudgeIconSet(JudgeIcon::kProgram));

  instructions_ = new QLabel(InstructionsText(setup_.no_mouse), this);
  words_ = new UpperCaseEdit(this);
  words_->installEventFilter(this);
  // Read across the table by both players.
  QFont words_font = words_->font();
  words_font.setPointSizeF(words_font.pointSizeF() * 1.4);
  words_->setFont(words_font);
  words_font_ = words_font;
  instructions_->setBuddy(words_);

  verdict_ = new QLabel(this);
  verdict_->setAlignment(Qt::AlignCenter);
  QFont verdict_font = verdict_->font();
  verdict_font.setBold(true);
  verdict_font.setPointSizeF(verdict_font.pointSizeF() * 1.6);
  verdict_->setFont(verdict_font);
  verdict_font_ = verdict_font;
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

  log_mark_ = new QLabel(this);
  log_mark_->setTextFormat(Qt::PlainText);
  log_mark_->setWordWrap(true);
  log_mark_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));

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
  icon_cell_ = icons;

  // The spacer on the right keeps the verdict centred under the words.
  auto* verdict_row = new QHBoxLayout;
  verdict_row->addLayout(icons);
  verdict_row->addWidget(verdict_, 1);
  balance_ = new QWidget(this);
  balance_->setFixedSize(kVerdictIconSize, 1);
  verdict_row->addWidget(balance_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(instructions_, 0, 0, 1, 2);
  grid->addWidget(words_, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->addLayout(verdict_row, 2, 0, 1, 2);
  grid->addWidget(log_mark_, 3, 0, 1, 2);
  grid->addWidget(lexicon_line_, 4, 0, 1, 2);
  grid->setRowStretch(1, 1);
  resize(kDefaultWidth, kDefaultHeight);

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
  full_screen_action_ = new QAction(tr("&Full Screen"), this);
  full_screen_action_->setShortcut(QKeySequence(Qt::Key_F11));
  full_screen_action_->setShortcutContext(Qt::WindowShortcut);
  full_screen_action_->setCheckable(true);
  addAction(full_screen_action_);
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  addAction(separator);
  // The close button and this entry end the session; Esc does not.
  quit_action_ = new QAction(tr("&Quit"), this);
  addAction(quit_action_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  timer_.setSingleShot(true);
  timer_.setInterval(kClearDelayMs);

  connect(judge_, &QPushButton::clicked, this, &JudgeDialog::Judge);
  connect(clear_, &QPushButton::clicked, this, &JudgeDialog::Clear);
  connect(about_, &QPushButton::clicked, this, &JudgeDialog::ShowAbout);
  connect(about_action_, &QAction::triggered, this, &JudgeDialog::ShowAbout);
  connect(full_screen_action_, &QAction::triggered, this, &JudgeDialog::ToggleFullScreen);
  connect(quit_action_, &QAction::triggered, this, &QDialog::accept);
  connect(&timer_, &QTimer::timeout, this, &JudgeDialog::ClearTimerFired);
  connect(words_, &QPlainTextEdit::textChanged, this, &JudgeDialog::TextEdited);
  ShowLogState();
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

void JudgeDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void JudgeDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ScaleTo(event->size());
}

void JudgeDialog::ToggleFullScreen() {
  setWindowState(windowState() ^ Qt::WindowFullScreen);
  full_screen_action_->setChecked(windowState() & Qt::WindowFullScreen);
}

void JudgeDialog::ScaleTo(const QSize& size) {
  const double scale = std::max(
      1.0, std::min(size.width() / double(kDefaultWidth), size.height() / double(kDefaultHeight)));
  if (std::abs(scale - scale_) < 0.01) return;
  scale_ = scale;
  words_->setFont(Scaled(words_font_, scale));
  const QFont verdict_font = Scaled(verdict_font_, scale);
  verdict_->setFont(verdict_font);
  verdict_->setMinimumHeight(QFontMetrics(verdict_font).lineSpacing() * 2 + 4);
  const int icon = static_cast<int>(kVerdictIconSize * scale);
  SizeVerdictIcon(check_mark_, JudgeIcon::kCheckMark, icon, devicePixelRatioF());
  SizeVerdictIcon(red_cross_, JudgeIcon::kRedCross, icon, devicePixelRatioF());
  balance_->setFixedSize(icon, 1);
  icon_cell_->setColumnMinimumWidth(0, icon);
  icon_cell_->setRowMinimumHeight(0, icon);
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
  ShowLogState();
  words_->setFocus();
}

void JudgeDialog::Clear() {
  timer_.stop();
  clearing_ = true;
  words_->clear();
  clearing_ = false;
  RemoveVerdict();
  SetJudgeEnabled(false);
  // Space freed since the last challenge takes the waiting lines now.
  if (log_.Waiting() > 0) {
    log_.Retry();
    ShowLogState();
  }
  words_->setFocus();
}

void JudgeDialog::ClearTimerFired() { Clear(); }

void JudgeDialog::ShowAbout() {
  if (about_handler_) {
    about_handler_();
  } else {
    AboutBox box(setup_.lexicon_lines, QString::fromStdString(log_.Folder()),
                 log_mark_->isHidden() ? QString() : log_mark_->text(), this);
    box.exec();
  }
  words_->setFocus();
}

void JudgeDialog::done(int result) {
  if (log_.Waiting() > 0 && !log_.Retry()) {
    ShowLogState();
    if (prompt_.AskYesNo(kEndWithLinesWaitingQuestion, log_.WaitingArgs()) !=
        UserPrompt::Answer::kYes) {
      words_->setFocus();
      return;
    }
  }
  QDialog::done(result);
}

void JudgeDialog::ShowLogState() {
  const bool waiting = log_.Waiting() > 0;
  log_mark_->setText(
      waiting ? QString::fromStdString(MessageText(kLogLinesWaitingText, log_.WaitingArgs()))
              : QString());
  log_mark_->setVisible(waiting);
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
