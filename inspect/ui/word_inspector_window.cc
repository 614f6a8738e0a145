#include "inspect/ui/word_inspector_window.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/lexicon_id.h"
#include "inspect/inspect_messages.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

constexpr int kMaxWordLength = 63;
// Enough to retrace a study session's detours, small enough to forget.
constexpr size_t kMaxHistory = 100;
constexpr char kLinkScheme[] = "inspect";

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Link(const std::string& word) {
  return QStringLiteral("<a href=\"%1:%2\">%2</a>").arg(kLinkScheme, Text(word));
}

QString Links(const std::vector<std::string>& words) {
  QStringList links;
  for (const std::string& word : words) links << Link(word);
  return links.isEmpty() ? WordInspectorWindow::tr("none") : links.join(QLatin1Char(' '));
}

QString Row(const QString& label, const QString& value) {
  return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(label, value);
}

QString YesNo(bool yes) {
  return yes ? WordInspectorWindow::tr("yes") : WordInspectorWindow::tr("no");
}

QString ListName(LexiconId id) {
  return Text(std::string(LexiconLabel(id))).remove(QLatin1Char('&'));
}

// The words a hook letter makes, as links.
QString HookLinks(const std::string& word, const std::string& hooks, bool front) {
  std::vector<std::string> words;
  for (char letter : hooks) words.push_back(front ? letter + word : word + letter);
  return Links(words);
}

QString InnerHookLinks(const WordFacts& facts) {
  const std::string& word = facts.word;
  QStringList parts;
  if (facts.front_inner_hook) {
    parts << WordInspectorWindow::tr("%1 (without %2)")
                 .arg(Link(word.substr(1)), QChar::fromLatin1(word.front()));
  }
  if (facts.end_inner_hook) {
    parts << WordInspectorWindow::tr("%1 (without %2)")
                 .arg(Link(word.substr(0, word.size() - 1)), QChar::fromLatin1(word.back()));
  }
  return parts.isEmpty() ? WordInspectorWindow::tr("none") : parts.join(QStringLiteral(", "));
}

QString PlusOneLinks(const std::vector<PlusOneGroup>& groups) {
  QStringList lines;
  for (const PlusOneGroup& group : groups) {
    lines << QStringLiteral("<b>+%1</b>&nbsp;%2")
                 .arg(QChar::fromLatin1(group.letter), Links(group.words));
  }
  return lines.isEmpty() ? WordInspectorWindow::tr("none") : lines.join(QStringLiteral("<br>"));
}

QString Probability(const WordFacts& facts) {
  QString text = WordInspectorWindow::tr("factor %1").arg(*facts.probability_factor, 0, 'f', 3);
  if (facts.probability_rank) {
    text += WordInspectorWindow::tr(", rank %1 of %2 alphagrams of %3 letters")
                .arg(facts.probability_rank->rank)
                .arg(facts.probability_rank->of)
                .arg(facts.word.size());
  }
  return text;
}

QString FactsHtml(const WordFacts& facts) {
  QString html = QStringLiteral("<h2>%1 %2</h2><table cellspacing=\"0\" cellpadding=\"3\">")
                     .arg(Text(facts.word), Text(facts.source_mark).toHtmlEscaped());
  html += Row(WordInspectorWindow::tr("In the lexicon"), YesNo(facts.in_lexicon));
  const std::pair<LexiconId, const std::optional<bool>&> lists[] = {
      {LexiconId::kUK, facts.in_uk},
      {LexiconId::kNA, facts.in_na},
      {LexiconId::kUKNA, facts.in_both}};
  for (const auto& [id, holds] : lists) {
    if (holds) html += Row(ListName(id), YesNo(*holds));
  }
  html +=
      Row(WordInspectorWindow::tr("Front hooks"), HookLinks(facts.word, facts.front_hooks, true));
  html += Row(WordInspectorWindow::tr("End hooks"), HookLinks(facts.word, facts.end_hooks, false));
  html += Row(WordInspectorWindow::tr("Inner hooks"), InnerHookLinks(facts));
  html += Row(WordInspectorWindow::tr("Anagrams (%1)").arg(facts.AnagramCount()),
              Links(facts.anagrams));
  html += Row(WordInspectorWindow::tr("Plus one"), PlusOneLinks(facts.plus_one));
  html += Row(WordInspectorWindow::tr("Alphagram"), Text(facts.alphagram));
  html += Row(WordInspectorWindow::tr("Points"), QString::number(facts.points));
  if (facts.probability_factor) {
    html += Row(WordInspectorWindow::tr("Probability"), Probability(facts));
  }
  return html + QStringLiteral("</table>");
}

QString DefinitionsHtml(const std::string& word, WordNet& wordnet) {
  QString html = QStringLiteral("<h3>%1</h3>").arg(WordInspectorWindow::tr("Definitions"));
  for (const std::string& line : DefinitionLines(wordnet, word)) {
    html += QStringLiteral("<p>%1</p>").arg(Text(line).toHtmlEscaped());
  }
  return html;
}

// The character that starts at byte `at` of `utf8`, whole even when it
// takes two UTF-16 units.
QString CharacterAt(const QString& text, const std::string& utf8, size_t at) {
  const qsizetype index = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(at)).size();
  return text.mid(index, text.at(index).isHighSurrogate() ? 2 : 1);
}

}  // namespace

std::vector<std::string> DefinitionLines(WordNet& wordnet, std::string_view word) {
  if (!wordnet.Available()) return {MessageText(kWordNetMissingText, {wordnet.folder()})};
  std::vector<std::string> lines;
  for (const WordNetEntry& entry : wordnet.Define(word)) {
    for (const std::string& gloss : entry.glosses) lines.push_back(SenseText(word, entry, gloss));
  }
  if (lines.empty()) lines.push_back(MessageText(kNoDefinitionText));
  return lines;
}

std::string FirstDefinition(WordNet& wordnet, const std::vector<std::string>& words) {
  if (!wordnet.Available()) return MessageText(kWordNetMissingText, {wordnet.folder()});
  for (const std::string& word : words) {
    const std::vector<WordNetEntry> entries = wordnet.Define(word);
    if (entries.empty()) continue;
    const std::string sense = SenseText(word, entries.front(), entries.front().glosses.front());
    return words.size() > 1 ? word + " \u2013 " + sense : sense;
  }
  return MessageText(kNoDefinitionText);
}

WordInspectorWindow::WordInspectorWindow(std::unique_ptr<WordInspector> inspector, WordNet& wordnet,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      wordnet_(wordnet),
      field_(new QLineEdit(this)),
      back_(new QPushButton(tr("&Back"), this)),
      follow_(new QCheckBox(tr("&Follow the list"), this)),
      note_(new QLabel(this)),
      facts_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("WordInspectorWindow"));
  setWindowTitle(tr("Word Inspector"));
  SetInspector(std::move(inspector));

  auto* label = new QLabel(tr("&Word:"), this);
  label->setBuddy(field_);
  field_->setMaxLength(kMaxWordLength);
  auto* inspect = new QPushButton(tr("&Inspect"), this);
  back_->setToolTip(tr("Back to the word shown before (Alt+Left)"));
  back_->setEnabled(false);
  note_->setWordWrap(true);
  note_->hide();
  // Links are ours to follow: the browser would try to open them as pages.
  facts_->setOpenLinks(false);

  auto* word_row = new QHBoxLayout;
  word_row->addWidget(label);
  word_row->addWidget(field_, 1);
  word_row->addWidget(inspect);
  word_row->addWidget(back_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(word_row);
  layout->addWidget(follow_);
  layout->addWidget(note_);
  layout->addWidget(facts_, 1);

  connect(field_, &QLineEdit::returnPressed, this, [this] { Inspect(field_->text()); });
  connect(inspect, &QPushButton::clicked, this, [this] { Inspect(field_->text()); });
  connect(back_, &QPushButton::clicked, this, &WordInspectorWindow::Back);
  auto* back_key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
  connect(back_key, &QShortcut::activated, this, &WordInspectorWindow::Back);
  connect(facts_, &QTextBrowser::anchorClicked, this, &WordInspectorWindow::LinkActivated);

  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  QSize size(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 36);
  if (screen != nullptr) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
  field_->setFocus();
}

WordInspectorWindow::~WordInspectorWindow() = default;

void WordInspectorWindow::SetInspector(std::unique_ptr<WordInspector> inspector) {
  inspector_ = std::move(inspector);
  // The window is opened before a word is asked for: the wait goes there.
  inspector_->Prepare();
  if (!shown_.isEmpty()) Show(shown_, /*remember=*/false);
}

bool WordInspectorWindow::Inspect(const QString& word) { return Show(word, /*remember=*/true); }

void WordInspectorWindow::ListMoved(const QString& word) {
  if (FollowsList() && isVisible()) Inspect(word);
}

bool WordInspectorWindow::Back() {
  if (history_.empty()) return false;
  const QString word = history_.back();
  history_.pop_back();
  Show(word, /*remember=*/false);
  return true;
}

bool WordInspectorWindow::FollowsList() const { return follow_->isChecked(); }

bool WordInspectorWindow::Show(const QString& word, bool remember) {
  const QString text = word.trimmed();
  if (text.isEmpty()) return false;
  const std::string utf8 = text.toStdString();
  size_t refused = 0;
  const std::optional<WordFacts> facts = inspector_->Inspect(utf8, &refused);
  if (!facts) {
    const QString character = CharacterAt(text, utf8, refused);
    field_->setText(text);
    field_->setSelection(static_cast<int>(text.indexOf(character)),
                         static_cast<int>(character.size()));
    ShowNote(Text(MessageText(kNotALetterText, {character.toStdString()})));
    return false;
  }
  const QString inspected = Text(facts->word);
  if (remember && !shown_.isEmpty() && shown_ != inspected) {
    history_.push_back(shown_);
    if (history_.size() > kMaxHistory) history_.erase(history_.begin());
  }
  shown_ = inspected;
  back_->setEnabled(!history_.empty());
  ShowNote(QString());
  field_->setText(shown_);
  field_->selectAll();
  facts_->setHtml(FactsHtml(*facts) + DefinitionsHtml(facts->word, wordnet_));
  return true;
}

void WordInspectorWindow::LinkActivated(const QUrl& link) {
  if (link.scheme() != QLatin1String(kLinkScheme) || !Inspect(link.path())) return;
  // The next word is as likely typed as clicked: typing replaces this one.
  field_->setFocus();
}

void WordInspectorWindow::ShowNote(const QString& text) {
  note_->setText(text);
  note_->setVisible(!text.isEmpty());
}

}  // namespace tavrune
