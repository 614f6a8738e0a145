#include "study/ui/quiz_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "platform/user_prompt.h"
#include "resources/string_table.h"
#include "study/quiz_answers.h"

namespace tavrune {
namespace {

constexpr int kEmptyAnswerText = 40015;
constexpr int kUnacceptableText = 40016;

// The input shows what is typed in capitals, as the answers are.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

std::vector<std::string> WordsOf(const WordCollection& words) {
  return std::vector<std::string>(words.begin(), words.end());
}

bool Holds(const std::vector<std::string>& words, const std::string& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

QString Text(int id) { return QString::fromStdString(MessageText(id)); }

}  // namespace

QuizBar::QuizBar(Kind kind, MTavruneDoc& doc, QuizRecord& record, MSlideWnd& slide, QWidget* parent)
    : ControlBar(doc, slide, kind == Kind::kOneList ? 1 : 2, parent),
      kind_(kind),
      record_(record),
      message_timer_(std::make_unique<QtSlideTimer>(this, [this] { ClearMessage(); })),
      caption_(new QLabel(this)),
      message_(new QLabel(this)),
      input_(new QLineEdit(this)) {
  static const char* const kLabels[] = {"&Accept",   "Verif&y", "&Previous",
                                        "&Undelete", "&Delete", "&Next"};
  for (int i = 0; i < 6; ++i) {
    buttons_[i] = new QPushButton(tr(kLabels[i]), this);
    buttons_[i]->setAutoDefault(false);
  }
  message_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  message_->setMinimumWidth(message_->fontMetrics().horizontalAdvance("Answers: 999  999") + 8);
  input_->setValidator(new UpperCaseValidator(input_));
  input_->setMaxLength(64);
  input_->installEventFilter(this);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(caption_);
  top->addStretch();
  top->addWidget(message_);
  layout->addLayout(top);
  auto* answer_row = new QHBoxLayout;
  answer_row->addWidget(input_, 1);
  answer_row->addWidget(buttons_[kAccept]);
  answer_row->addWidget(buttons_[kVerify]);
  layout->addLayout(answer_row);
  auto* moves = new QHBoxLayout;
  for (int i : {kPrevious, kUndelete, kDelete, kNext}) moves->addWidget(buttons_[i]);
  layout->addLayout(moves);

  connect(buttons_[kAccept], &QPushButton::clicked, this, &QuizBar::Accept);
  connect(buttons_[kVerify], &QPushButton::clicked, this, &QuizBar::Verify);
  connect(buttons_[kPrevious], &QPushButton::clicked, this, &QuizBar::Previous);
  connect(buttons_[kUndelete], &QPushButton::clicked, this, &QuizBar::Undelete);
  connect(buttons_[kDelete], &QPushButton::clicked, this, &QuizBar::Delete);
  connect(buttons_[kNext], &QPushButton::clicked, this, &QuizBar::Next);
  // The bar is no dialog, so Return does what the default button would.
  connect(input_, &QLineEdit::returnPressed, this, [this] {
    if (verified_) {
      Next();
    } else if (buttons_[kAccept]->isEnabled()) {
      Accept();
    }
  });
  setFocusProxy(input_);

  caption_->setText(Caption());
  setFixedSize(sizeHint());
}

QuizBar::~QuizBar() { message_timer_->Stop(); }

void QuizBar::SetMessageTimer(std::unique_ptr<SlideTimer> timer) {
  message_timer_ = std::move(timer);
}

QString QuizBar::Message() const { return message_->text(); }

void QuizBar::ShowWord() {
  caption_->setText(Caption());
  slide_.ClearList(FirstList());
  slide_.ClearList(MSlideWnd::kRight);
  answers_ = {};
  answer_counts_ = {0, 0};
  total_ = 0;
  accepted_.clear();
  verified_ = false;
  message_timer_->Stop();
  ShowMainWord();
  input_->clear();
  message_->clear();
  if (doc_.EntryCount() > 0) {
    WordCollection left = InsertionOrderCollection();
    WordCollection right = InsertionOrderCollection();
    {
      WaitCursor wait(doc_.Prompt());
      doc_.ComputeAnswers(doc_.CurrentIndex(), left, kind_ == Kind::kTwoList ? right : left);
    }
    answers_ = {WordsOf(left), WordsOf(right)};
    answer_counts_ = {left.Count(), right.Count()};
    total_ = left.Count() + right.Count();
  }
  UpdateDefinition();
  UpdateButtons();
  emit countsChanged();
}

void QuizBar::UpdateButtons() {
  const int count = doc_.EntryCount();
  const int index = doc_.CurrentIndex();
  buttons_[kPrevious]->setEnabled(count > 0 && index > 0);
  buttons_[kNext]->setEnabled(count > 0 && index < count - 1);
  buttons_[kDelete]->setEnabled(count > 0);
  buttons_[kUndelete]->setEnabled(doc_.CanUndelete());
  const bool asking = count > 0 && !verified_;
  buttons_[kAccept]->setEnabled(asking);
  buttons_[kVerify]->setEnabled(asking);
  input_->setEnabled(count > 0);
  if (asking) {
    buttons_[kNext]->setDefault(false);
    buttons_[kAccept]->setDefault(true);
    input_->setFocus();
  }
}

std::string QuizBar::AnswerFromInput() const {
  const ListType type = doc_.GetListType();
  std::string text(WithoutTrailingSpaces(input_->text().toStdString()));
  if (text.empty() && slide_.ShowsTiles() && doc_.IsAnagramType()) {
    text = slide_.TileArrangement().toStdString();
    if (type == ListType::kAnagramsAndHooks) text.insert(0, 1, ' ');
  }
  if (!text.empty() && type == ListType::kAnagramsAndHooks) text = AnagramHookAnswerForm(text);
  return text;
}

void QuizBar::Accept() {
  const std::string answer = AnswerFromInput();
  if (answer.empty()) {
    ShowMessage(Text(kEmptyAnswerText), true);
    QApplication::beep();
  } else if (accepted_.count(answer) != 0) {
    input_->clear();
  } else if (CheckAnswer(answer)) {
    accepted_.insert(answer);
    input_->clear();
  } else {
    QApplication::beep();
  }
  input_->setFocus();
}

bool QuizBar::CheckAnswer(const std::string& answer) {
  if (kind_ == Kind::kOneList) {
    if (!Holds(answers_[0], answer)) {
      ShowMessage(Text(kUnacceptableText), true);
      return false;
    }
    slide_.AddEntry(MSlideWnd::kMiddle, Latin1(answer), false);
    ShowMessage(QStringLiteral("Answers: %1").arg(slide_.EntryCount(MSlideWnd::kMiddle)), false);
    return true;
  }
  if (Holds(answers_[0], answer)) {
    slide_.AddEntry(MSlideWnd::kLeft, Latin1(answer), false);
  } else if (Holds(answers_[1], answer)) {
    slide_.AddEntry(MSlideWnd::kRight, Latin1(answer), false);
  } else {
    ShowMessage(Text(kUnacceptableText), true);
    return false;
  }
  ShowMessage(QStringLiteral("Answers: %1  %2")
                  .arg(slide_.EntryCount(MSlideWnd::kLeft))
                  .arg(slide_.EntryCount(MSlideWnd::kRight)),
              false);
  return true;
}

void QuizBar::ShowAllAnswers() {
  const bool symbols = doc_.GetDictionary().UseSymbols();
  for (int group = 0; group < ListCount(); ++group) {
    const MSlideWnd::ListBit list = group == 0 ? FirstList() : MSlideWnd::kRight;
    slide_.SetDrawing(list, false);
    slide_.ClearList(list);
    const std::vector<std::string>& answers = answers_[group];
    WordCollection shown = InsertionOrderCollection();
    if (symbols) {
      WordCollection plain = InsertionOrderCollection();
      for (const std::string& answer : answers) plain.Append(answer);
      doc_.AppendSourceSymbols(plain, shown);
    }
    for (size_t i = 0; i < answers.size(); ++i) {
      const bool marked = accepted_.count(answers[i]) != 0;
      slide_.AddEntry(list, Latin1(symbols ? shown.Word(static_cast<int>(i)) : answers[i]), marked);
    }
    if (answers.empty()) slide_.AddEntry(list, QString::fromLatin1(kNoAnswers), false);
    slide_.SetDrawing(list, true);
  }
}

void QuizBar::Verify() {
  if (doc_.EntryCount() == 0) return;
  if (!WithoutTrailingSpaces(input_->text().toStdString()).empty()) Accept();
  ShowAllAnswers();
  const int accepted = AcceptedCount();
  message_->setText(QStringLiteral("%1 / %2").arg(accepted).arg(total_));
  // A word counts in the history once, however often it is verified.
  if (!verified_) {
    std::vector<std::string> missed;
    for (const std::vector<std::string>& answers : answers_) {
      for (const std::string& answer : answers) {
        if (accepted_.count(answer) == 0) missed.push_back(answer);
      }
    }
    record_.RecordResult(accepted, total_, missed);
    verified_ = true;
    emit verified(Latin1(doc_.CurrentEntry()), missed.empty());
  }
  UpdateDefinition();
  buttons_[kAccept]->setEnabled(false);
  buttons_[kVerify]->setEnabled(false);
  buttons_[kAccept]->setDefault(false);
  buttons_[kNext]->setDefault(true);
  buttons_[kNext]->setFocus();
  message_timer_->Stop();
}

std::vector<std::string> QuizBar::AnswerLines() const {
  std::vector<std::string> lines = answers_[0];
  lines.insert(lines.end(), answers_[1].begin(), answers_[1].end());
  return lines;
}

void QuizBar::ShowMessage(const QString& text, bool timed) {
  message_->setText(text);
  if (timed) message_timer_->Start(kMessageMs);
}

void QuizBar::ClearMessage() {
  message_->clear();
  message_timer_->Stop();
}

void QuizBar::Previous() {
  if (doc_.CurrentIndex() > 0) doc_.GoToEntry(doc_.CurrentIndex() - 1);
}

void QuizBar::Next() {
  if (doc_.CurrentIndex() < doc_.EntryCount() - 1) doc_.GoToEntry(doc_.CurrentIndex() + 1);
}

void QuizBar::Delete() {
  if (doc_.EntryCount() > 0) doc_.DeleteCurrentEntry();
}

void QuizBar::Undelete() { doc_.UndeleteOne(); }

bool QuizBar::RunShortcut(QChar key) {
  switch (key.unicode()) {
    case '+':
    case '=':
      Undelete();
      break;
    case ',':
    case '<':
      Previous();
      break;
    case '-':
    case '_':
      Delete();
      break;
    case '.':
    case '>':
      Next();
      break;
    case '/':
    case '?':
      Verify();
      break;
    default:
      return false;
  }
  input_->setFocus();
  return true;
}

bool QuizBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == input_ && event->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(event)->text();
    // The key's character never reaches the input.
    if (text.size() == 1 && RunShortcut(text[0])) return true;
  }
  return ControlBar::eventFilter(watched, event);
}

}  // namespace tavrune
