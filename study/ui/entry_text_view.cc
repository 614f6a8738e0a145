#include "study/ui/entry_text_view.h"

#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tavrune {
namespace {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString Joined(const WordCollection& words) {
  if (words.Count() == 0) return QStringLiteral("<<NONE>>");
  QStringList lines;
  for (int i = 0; i < words.Count(); ++i) lines << Latin1(words.Word(i));
  return lines.join('\n');
}

}  // namespace

EntryTextView::EntryTextView(MTavruneDoc& doc, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      title_(new QLabel(this)),
      entry_(new QLabel(this)),
      answers_(new QPlainTextEdit(this)),
      position_(new QLabel(this)) {
  QFont entry_font(QStringLiteral("Arial"));
  entry_font.setPixelSize(32);
  entry_font.setBold(true);
  entry_->setFont(entry_font);
  entry_->setAlignment(Qt::AlignCenter);
  entry_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  title_->setAlignment(Qt::AlignCenter);
  position_->setAlignment(Qt::AlignCenter);
  answers_->setReadOnly(true);
  answers_->setFont(QFont(QStringLiteral("Courier New")));
  answers_->setFocusPolicy(Qt::NoFocus);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addWidget(entry_);
  layout->addWidget(answers_, 1);
  layout->addWidget(position_);
  doc_.AddObserver(this);
  OnUpdate(hint::kAll);
}

EntryTextView::~EntryTextView() { doc_.RemoveObserver(this); }

void EntryTextView::OnUpdate(int) {
  title_->setText(QString::fromStdString(doc_.ListTitle()));
  const int count = doc_.EntryCount();
  position_->setText(QStringLiteral("%1 / %2").arg(count == 0 ? 0 : doc_.CurrentIndex() + 1).arg(count));
  if (count == 0) {
    entry_->clear();
    answers_->clear();
    return;
  }
  entry_->setText(Latin1(doc_.CurrentEntry()));
  if (doc_.GetListType() == ListType::kList) {
    answers_->clear();
    return;
  }
  WordCollection first;
  WordCollection second;
  const bool two_groups =
      doc_.GetListType() == ListType::kHooks && doc_.GetHookType() == HookType::kFrontAndEnd;
  doc_.ComputeAnswers(doc_.CurrentIndex(), first, two_groups ? second : first);
  QString text = Joined(first);
  if (two_groups) {
    text = tr("Front hooks:") + '\n' + text + "\n\n" + tr("End hooks:") + '\n' + Joined(second);
  }
  answers_->setPlainText(text);
}

QString EntryTextView::EntryText() const { return entry_->text(); }
QString EntryTextView::AnswersText() const { return answers_->toPlainText(); }
QString EntryTextView::PositionText() const { return position_->text(); }

}  // namespace tavrune
