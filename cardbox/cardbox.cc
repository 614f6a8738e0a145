#include "cardbox/cardbox.h"

#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <tuple>
#include <utility>

#include "platform/user_folders.h"

namespace tavrune {
namespace {

// "Tvcb" in the file header marks a database as a cardbox, so a stranger's
// database given by mistake is refused instead of written into.
constexpr int64_t kApplicationId = 0x54766362;

// Migration i takes the schema from version i to i + 1; each runs in the
// one transaction that also stamps the new version.
constexpr const char* kMigrations[] = {
    "CREATE TABLE cards ("
    "  id INTEGER PRIMARY KEY,"
    "  lexicon TEXT NOT NULL,"
    "  kind TEXT NOT NULL,"
    "  question TEXT NOT NULL,"
    "  box INTEGER NOT NULL,"
    "  due INTEGER NOT NULL,"
    "  last_answered INTEGER,"
    "  last_right INTEGER,"
    "  right_count INTEGER NOT NULL DEFAULT 0,"
    "  missed_count INTEGER NOT NULL DEFAULT 0,"
    "  streak INTEGER NOT NULL DEFAULT 0,"
    "  added INTEGER NOT NULL,"
    "  UNIQUE (lexicon, kind, question));"
    "CREATE INDEX cards_by_due ON cards (due);"
    "CREATE INDEX cards_by_deck_due ON cards (lexicon, kind, due);"
    "CREATE TABLE history ("
    "  id INTEGER PRIMARY KEY,"
    "  card INTEGER NOT NULL REFERENCES cards (id) ON DELETE CASCADE,"
    "  answered INTEGER NOT NULL,"
    "  was_right INTEGER NOT NULL,"
    "  box_before INTEGER NOT NULL,"
    "  due_before INTEGER NOT NULL,"
    "  streak_before INTEGER NOT NULL,"
    "  last_answered_before INTEGER,"
    "  last_right_before INTEGER);"
    "CREATE INDEX history_by_card ON history (card);"
    // Covers the right answers per day without reading the rows.
    "CREATE INDEX history_by_result ON history (was_right, answered, card);"
    "CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL);"
    "PRAGMA application_id = 1417044834;"
    "PRAGMA user_version = 1;",
};
static_assert(std::size(kMigrations) == Cardbox::kSchemaVersion);
static_assert(kApplicationId == 1417044834);

constexpr std::string_view kCardColumns =
    "lexicon, kind, question, box, due, last_answered, last_right, right_count, missed_count, "
    "streak, added";

// The card whose kCardColumns start at `first`.
Card ReadCard(const sql::Statement& row, int first) {
  const auto optional = [&](int column) -> std::optional<int64_t> {
    if (row.IsNull(first + column)) return std::nullopt;
    return row.Int(first + column);
  };
  Card card;
  card.lexicon = row.Text(first);
  card.kind = CardKindFromName(row.Text(first + 1)).value_or(CardKind::kAnagrams);
  card.question = row.Text(first + 2);
  card.box = static_cast<int>(std::clamp<int64_t>(row.Int(first + 3), 0, kMaxBox));
  card.due = row.Int(first + 4);
  card.last_answered = optional(5);
  card.last_right = optional(6);
  card.right = row.Int(first + 7);
  card.missed = row.Int(first + 8);
  card.streak = row.Int(first + 9);
  card.added = row.Int(first + 10);
  return card;
}

// Parameters ?2 and ?3 are the filter's in every filtered statement.
std::string FilterSql(const CardFilter& filter, std::string_view table = "") {
  std::string text;
  if (!filter.lexicon.empty()) text += " AND " + std::string(table) + "lexicon = ?2";
  if (filter.kind) text += " AND " + std::string(table) + "kind = ?3";
  return text;
}

void BindFilter(sql::Statement& statement, const CardFilter& filter) {
  if (!filter.lexicon.empty()) statement.Bind(2, filter.lexicon);
  if (filter.kind) statement.Bind(3, CardKindName(*filter.kind));
}

CardFilter DeckFilter(const Deck& deck) { return {deck.lexicon, deck.kind}; }

std::string CardSelect(std::string_view rest) {
  return "SELECT " + std::string(kCardColumns) + " FROM cards " + std::string(rest);
}

}  // namespace

std::string DefaultCardboxPath() {
  const std::string folder = UserDataFolder();
  return folder.empty() ? folder : folder + "/cardbox.sqlite";
}

int64_t LocalMidnight(int64_t time, int days) {
  const time_t t = static_cast<time_t>(time);
  std::tm local{};
  localtime_r(&t, &local);
  local.tm_mday += days;
  local.tm_hour = 0;
  local.tm_min = 0;
  local.tm_sec = 0;
  local.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&local));
}

Cardbox::Cardbox(CardboxClock clock, uint32_t seed) : clock_(std::move(clock)), random_(seed) {}

CardboxStatus Cardbox::Failure() const {
  CardboxStatus status{CardboxError::kFailed, path_, db_.ErrorMessage()};
  switch (db_.ErrorCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      status.error = CardboxError::kBusy;
      break;
    case SQLITE_CORRUPT:
      status.error = CardboxError::kDamaged;
      break;
    case SQLITE_NOTADB:
      status.error = CardboxError::kNotCardbox;
      break;
    default:
      break;
  }
  return status;
}

CardboxStatus Cardbox::Open(const std::string& path, int busy_timeout_ms) {
  db_.Close();
  path_ = path;
  // SQLite would take an empty name for a temporary database.
  if (path.empty()) return {CardboxError::kFolder, "~/.local/share", "no home folder is known"};
  const std::string folder = std::filesystem::path(path).parent_path().string();
  if (std::string reason; !folder.empty() && !PrepareUserFolder(folder, &reason)) {
    return {CardboxError::kFolder, folder, reason};
  }
  if (!db_.Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
    return {CardboxError::kFailed, path, db_.ErrorMessage()};
  }
  // A write-protected file opens for reading only; every grade would fail.
  if (db_.ReadOnly()) {
    db_.Close();
    return {CardboxError::kFailed, path, sqlite3_errstr(SQLITE_READONLY)};
  }
  db_.SetBusyTimeout(busy_timeout_ms);

  sql::Statement header(db_,
                        "SELECT (SELECT application_id FROM pragma_application_id),"
                        " (SELECT user_version FROM pragma_user_version),"
                        " (SELECT count(*) FROM sqlite_master)");
  if (!header.ok() || header.Step() != SQLITE_ROW) {
    const CardboxStatus status = Failure();
    db_.Close();
    return status;
  }
  const int64_t application_id = header.Int(0);
  const int64_t version = header.Int(1);
  const bool empty = application_id == 0 && version == 0 && header.Int(2) == 0;
  header.Reset();

  CardboxStatus status;
  if (!empty && application_id != kApplicationId) {
    status = {CardboxError::kNotCardbox, path, {}};
  } else if (version > kSchemaVersion) {
    status = {CardboxError::kNewerVersion, path, std::to_string(version)};
  } else if (!empty) {
    sql::Statement check(db_, "PRAGMA quick_check");
    const int code = check.Step();
    if (code != SQLITE_ROW) {
      status = Failure();
      if (status.error == CardboxError::kNotCardbox) status.error = CardboxError::kDamaged;
    } else if (const std::string verdict = check.Text(0); verdict != "ok") {
      status = {CardboxError::kDamaged, path, verdict};
    }
  }
  if (status.ok() && !db_.Exec("PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON")) {
    status = Failure();
  }
  // Only a file that passed every check is written to, and write-ahead
  // logging is switched on only once it is up to date, so a failed
  // migration leaves it exactly as it was.
  if (status.ok() && version < kSchemaVersion) status = Migrate();
  if (status.ok() && !db_.Exec("PRAGMA journal_mode = WAL")) status = Failure();
  if (!status.ok()) db_.Close();
  return status;
}

CardboxStatus Cardbox::Migrate() {
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  // Read again under the lock: another program may have just done it.
  sql::Statement version(db_, "PRAGMA user_version");
  if (version.Step() != SQLITE_ROW) return Failure();
  const int64_t from = version.Int(0);
  version.Reset();
  for (int64_t step = from; step < kSchemaVersion; ++step) {
    if (!db_.Exec(kMigrations[step])) return Failure();
  }
  if (!transaction.Commit()) return Failure();
  return {};
}

CardboxStatus Cardbox::ReadSchedule(CardboxSchedule* schedule) {
  sql::Statement select(db_, "SELECT key, value FROM settings");
  if (!select.ok()) return Failure();
  CardboxSchedule read;
  int code;
  while ((code = select.Step()) == SQLITE_ROW) {
    const std::string key = select.Text(0);
    const std::string value = select.Text(1);
    // Values from the file are checked like any typed in.
    if (key == "intervals" || key == "spreads") {
      std::vector<int>& days = key == "intervals" ? read.intervals : read.spreads;
      if (const std::optional<std::vector<int>> parsed = ParseDayList(value)) days = *parsed;
    } else if (key == "missed_down_one") {
      read.missed_down_one = value == "1";
    }
  }
  if (code != SQLITE_DONE) return Failure();
  *schedule = std::move(read);
  return {};
}

CardboxStatus Cardbox::WriteSchedule(const CardboxSchedule& schedule) {
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  sql::Statement upsert(db_,
                        "INSERT INTO settings (key, value) VALUES (?1, ?2)"
                        " ON CONFLICT (key) DO UPDATE SET value = excluded.value");
  const std::pair<const char*, std::string> values[] = {
      {"intervals", FormatDayList(schedule.intervals)},
      {"spreads", FormatDayList(schedule.spreads)},
      {"missed_down_one", schedule.missed_down_one ? "1" : "0"},
  };
  for (const auto& [key, value] : values) {
    upsert.Reset();
    if (!upsert.Bind(1, key).Bind(2, value).Run()) return Failure();
  }
  if (!transaction.Commit()) return Failure();
  return {};
}

CardboxStatus Cardbox::Add(const Deck& deck, const std::vector<std::string>& entries,
                           AddCounts* counts) {
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  sql::Statement insert(db_,
                        "INSERT INTO cards (lexicon, kind, question, box, due, added)"
                        " VALUES (?1, ?2, ?3, 0, ?4, ?4) ON CONFLICT DO NOTHING");
  const int64_t now = clock_();
  AddCounts added;
  for (const std::string& entry : entries) {
    const std::optional<std::string> question = CardQuestion(deck.kind, entry);
    if (!question) {
      ++added.skipped;
      continue;
    }
    insert.Reset();
    insert.Bind(1, deck.lexicon).Bind(2, CardKindName(deck.kind)).Bind(3, *question).Bind(4, now);
    if (!insert.Run()) return Failure();
    ++(db_.Changes() == 1 ? added.added : added.already);
  }
  if (!transaction.Commit()) return Failure();
  *counts = added;
  return {};
}

CardboxStatus Cardbox::Remove(const Deck& deck, const std::vector<std::string>& entries,
                              int64_t* removed) {
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  sql::Statement remove(db_,
                        "DELETE FROM cards WHERE lexicon = ?1 AND kind = ?2 AND question = ?3");
  int64_t count = 0;
  for (const std::string& entry : entries) {
    const std::optional<std::string> question = CardQuestion(deck.kind, entry);
    if (!question) continue;
    remove.Reset();
    if (!remove.Bind(1, deck.lexicon).Bind(2, CardKindName(deck.kind)).Bind(3, *question).Run()) {
      return Failure();
    }
    count += db_.Changes();
  }
  if (!transaction.Commit()) return Failure();
  *removed = count;
  return {};
}

CardboxStatus Cardbox::FindCard(const Deck& deck, const std::string& question,
                                std::optional<Card>* card, int64_t* id) {
  sql::Statement select(db_, "SELECT id, " + std::string(kCardColumns) +
                                 " FROM cards WHERE lexicon = ?1 AND kind = ?2 AND question = ?3");
  select.Bind(1, deck.lexicon).Bind(2, CardKindName(deck.kind)).Bind(3, question);
  const int code = select.Step();
  if (code == SQLITE_DONE) {
    card->reset();
    return {};
  }
  if (code != SQLITE_ROW) return Failure();
  *id = select.Int(0);
  *card = ReadCard(select, 1);
  return {};
}

CardboxStatus Cardbox::FindCardToChange(const Deck& deck, const std::string& question,
                                        std::optional<Card>* card, int64_t* id,
                                        CardboxSchedule* schedule) {
  if (CardboxStatus status = FindCard(deck, question, card, id); !status.ok() || !*card) {
    return status;
  }
  return ReadSchedule(schedule);
}

CardboxStatus Cardbox::Find(const Deck& deck, std::string_view entry, std::optional<Card>* card) {
  const std::optional<std::string> question = CardQuestion(deck.kind, entry);
  if (!question) {
    card->reset();
    return {};
  }
  int64_t id = 0;
  return FindCard(deck, *question, card, &id);
}

bool Cardbox::WriteCardState(int64_t id, const Card& card) {
  sql::Statement update(db_,
                        "UPDATE cards SET box = ?1, due = ?2, last_answered = ?3, last_right = ?4,"
                        " right_count = ?5, missed_count = ?6, streak = ?7 WHERE id = ?8");
  update.Bind(1, card.box).Bind(2, card.due);
  update.BindOptional(3, card.last_answered);
  update.BindOptional(4, card.last_right);
  update.Bind(5, card.right).Bind(6, card.missed).Bind(7, card.streak).Bind(8, id);
  return update.Run();
}

CardboxStatus Cardbox::Due(const CardFilter& filter, int64_t limit, bool box_zero_first,
                           std::vector<Card>* cards) {
  const int64_t now = clock_();
  std::vector<Card> due;
  const std::vector<std::string_view> parts =
      box_zero_first ? std::vector<std::string_view>{" AND box = 0", " AND box > 0"}
                     : std::vector<std::string_view>{""};
  for (std::string_view part : parts) {
    const int64_t wanted = limit - static_cast<int64_t>(due.size());
    if (wanted <= 0) break;
    sql::Statement select(db_, CardSelect("WHERE due <= ?1" + FilterSql(filter) +
                                          std::string(part) + " ORDER BY due, id LIMIT ?4"));
    if (!select.ok()) return Failure();
    select.Bind(1, now).Bind(4, wanted);
    BindFilter(select, filter);
    int code;
    while ((code = select.Step()) == SQLITE_ROW) due.push_back(ReadCard(select, 0));
    if (code != SQLITE_DONE) return Failure();
  }
  *cards = std::move(due);
  return {};
}

CardboxStatus Cardbox::Summary(const CardFilter& filter, DueSummary* summary) {
  sql::Statement select(
      db_, "SELECT (SELECT count(*) FROM cards WHERE due <= ?1" + FilterSql(filter) +
               "), (SELECT min(due) FROM cards WHERE due > ?1" + FilterSql(filter) + ")");
  if (!select.ok()) return Failure();
  select.Bind(1, clock_());
  BindFilter(select, filter);
  if (select.Step() != SQLITE_ROW) return Failure();
  summary->due_now = select.Int(0);
  summary->next_due.reset();
  if (!select.IsNull(1)) summary->next_due = select.Int(1);
  return {};
}

CardboxStatus Cardbox::Grade(const Deck& deck, std::string_view entry, bool right,
                             std::optional<Card>* card) {
  card->reset();
  const std::optional<std::string> question = CardQuestion(deck.kind, entry);
  if (!question) return {};
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  std::optional<Card> found;
  int64_t id = 0;
  CardboxSchedule schedule;
  if (CardboxStatus status = FindCardToChange(deck, *question, &found, &id, &schedule);
      !status.ok() || !found) {
    return status;
  }

  const int64_t now = clock_();
  const Card before = *found;
  Card after = before;
  after.box = BoxAfterAnswer(schedule, before.box, right);
  after.due = NextDue(schedule, after.box, now, random_);
  after.last_answered = now;
  if (right) {
    after.last_right = now;
    ++after.right;
    after.streak = before.streak > 0 ? before.streak + 1 : 1;
  } else {
    ++after.missed;
    after.streak = before.streak < 0 ? before.streak - 1 : -1;
  }
  sql::Statement history(
      db_,
      "INSERT INTO history (card, answered, was_right, box_before, due_before, streak_before,"
      " last_answered_before, last_right_before) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  history.Bind(1, id).Bind(2, now).Bind(3, right ? 1 : 0).Bind(4, before.box).Bind(5, before.due);
  history.Bind(6, before.streak);
  history.BindOptional(7, before.last_answered);
  history.BindOptional(8, before.last_right);
  if (!WriteCardState(id, after) || !history.Run() || !transaction.Commit()) return Failure();
  *card = std::move(after);
  return {};
}

CardboxStatus Cardbox::UndoLastGrade(std::optional<Card>* card) {
  card->reset();
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  sql::Statement last(db_,
                      "SELECT h.id, h.card, h.was_right, h.box_before, h.due_before,"
                      " h.streak_before, h.last_answered_before, h.last_right_before, c." +
                          std::string(kCardColumns) +
                          " FROM history h JOIN cards c ON c.id = h.card"
                          " ORDER BY h.id DESC LIMIT 1");
  const int code = last.Step();
  if (code == SQLITE_DONE) return {};
  if (code != SQLITE_ROW) return Failure();
  const int64_t history_id = last.Int(0);
  const int64_t card_id = last.Int(1);
  const bool was_right = last.Int(2) != 0;
  Card restored = ReadCard(last, 8);
  restored.box = static_cast<int>(std::clamp<int64_t>(last.Int(3), 0, kMaxBox));
  restored.due = last.Int(4);
  restored.streak = last.Int(5);
  restored.last_answered.reset();
  if (!last.IsNull(6)) restored.last_answered = last.Int(6);
  restored.last_right.reset();
  if (!last.IsNull(7)) restored.last_right = last.Int(7);
  int64_t& count = was_right ? restored.right : restored.missed;
  count = std::max<int64_t>(count - 1, 0);
  last.Reset();

  sql::Statement forget(db_, "DELETE FROM history WHERE id = ?1");
  forget.Bind(1, history_id);
  if (!WriteCardState(card_id, restored) || !forget.Run() || !transaction.Commit()) {
    return Failure();
  }
  *card = std::move(restored);
  return {};
}

CardboxStatus Cardbox::Move(const Deck& deck, std::string_view entry, int box,
                            std::optional<Card>* card) {
  card->reset();
  const std::optional<std::string> question = CardQuestion(deck.kind, entry);
  if (!question) return {};
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  std::optional<Card> found;
  int64_t id = 0;
  CardboxSchedule schedule;
  if (CardboxStatus status = FindCardToChange(deck, *question, &found, &id, &schedule);
      !status.ok() || !found) {
    return status;
  }
  const int64_t now = clock_();
  found->box = std::clamp(box, 0, kMaxBox);
  found->due = found->box == 0 ? now : NextDue(schedule, found->box, now, random_);
  if (!WriteCardState(id, *found) || !transaction.Commit()) return Failure();
  *card = std::move(found);
  return {};
}

CardboxStatus Cardbox::SpreadBacklog(const CardFilter& filter, int days, int64_t* moved) {
  days = std::max(days, 1);
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  const int64_t now = clock_();
  sql::Statement select(
      db_, "SELECT id FROM cards WHERE due <= ?1" + FilterSql(filter) + " ORDER BY due, id");
  select.Bind(1, now);
  BindFilter(select, filter);
  std::vector<int64_t> ids;
  int code;
  while ((code = select.Step()) == SQLITE_ROW) ids.push_back(select.Int(0));
  if (code != SQLITE_DONE) return Failure();

  // Card i of n goes to day i * days / n; within a day the cards keep their
  // order a little apart. Day 0 keeps its old times: those stay due now.
  const auto n = static_cast<int64_t>(ids.size());
  const auto first_of_day = [&](int64_t day) { return (day * n + days - 1) / days; };
  sql::Statement update(db_, "UPDATE cards SET due = ?1 WHERE id = ?2");
  int64_t count = 0;
  for (int64_t i = first_of_day(1); i < n; ++i) {
    const int64_t day = i * days / n;
    const int64_t first = first_of_day(day);
    const int64_t in_day = first_of_day(day + 1) - first;
    const int64_t due = now + day * kSecondsPerDay + (i - first) * kSecondsPerDay / in_day;
    update.Reset();
    if (!update.Bind(1, due).Bind(2, ids[static_cast<size_t>(i)]).Run()) return Failure();
    ++count;
  }
  if (!transaction.Commit()) return Failure();
  *moved = count;
  return {};
}

CardboxStatus Cardbox::ShiftToBacklog(const CardFilter& filter, int64_t wanted, int64_t* due_now) {
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  const int64_t now = clock_();
  sql::Statement total(db_, "SELECT count(*) FROM cards WHERE 1" + FilterSql(filter));
  BindFilter(total, filter);
  if (total.Step() != SQLITE_ROW) return Failure();
  const int64_t n = std::clamp<int64_t>(wanted, 0, total.Int(0));
  if (total.Int(0) == 0) {
    *due_now = 0;
    return {};
  }
  // The card that is to be the last one due now, or with none wanted the
  // first one, due a second from now.
  sql::Statement pivot(db_, "SELECT due FROM cards WHERE 1" + FilterSql(filter) +
                                " ORDER BY due, id LIMIT 1 OFFSET ?4");
  BindFilter(pivot, filter);
  if (pivot.Bind(4, std::max<int64_t>(n - 1, 0)).Step() != SQLITE_ROW) return Failure();
  const int64_t shift = (n > 0 ? now : now + 1) - pivot.Int(0);
  pivot.Reset();

  sql::Statement move(db_, "UPDATE cards SET due = due + ?1 WHERE 1" + FilterSql(filter));
  BindFilter(move, filter);
  // Cards due at the very same time as the pivot would make more than `n`
  // due; they move on by the second that keeps them in order.
  sql::Statement ties(db_,
                      "UPDATE cards SET due = ?1 + 1 WHERE id IN (SELECT id FROM cards"
                      " WHERE due <= ?1" +
                          FilterSql(filter) + " ORDER BY due, id LIMIT -1 OFFSET ?4)");
  BindFilter(ties, filter);
  if (!move.Bind(1, shift).Run() || !ties.Bind(1, now).Bind(4, n).Run() || !transaction.Commit()) {
    return Failure();
  }
  *due_now = n;
  return {};
}

CardboxStatus Cardbox::BoxCounts(const CardFilter& filter, std::vector<int64_t>* counts) {
  sql::Statement select(
      db_, "SELECT box, count(*) FROM cards WHERE 1" + FilterSql(filter) + " GROUP BY box");
  BindFilter(select, filter);
  std::vector<int64_t> boxes;
  int code;
  while ((code = select.Step()) == SQLITE_ROW) {
    const auto box = static_cast<size_t>(std::clamp<int64_t>(select.Int(0), 0, kMaxBox));
    if (boxes.size() <= box) boxes.resize(box + 1);
    boxes[box] += select.Int(1);
  }
  if (code != SQLITE_DONE) return Failure();
  *counts = std::move(boxes);
  return {};
}

CardboxStatus Cardbox::Forecast(const CardFilter& filter, int days, DueForecast* forecast) {
  const int64_t now = clock_();
  sql::Statement count(
      db_, "SELECT count(*) FROM cards WHERE due >= ?4 AND due < ?5" + FilterSql(filter));
  if (!count.ok()) return Failure();
  const auto count_from = [&](int64_t start, int64_t end, int64_t* n) {
    count.Reset();
    BindFilter(count, filter);
    if (count.Bind(4, start).Bind(5, end).Step() != SQLITE_ROW) return false;
    *n = count.Int(0);
    return true;
  };
  DueForecast result;
  if (!count_from(INT64_MIN, now + 1, &result.backlog)) return Failure();
  for (int day = 0; day < days; ++day) {
    DayCount due{day == 0 ? now : LocalMidnight(now, day), 0};
    if (!count_from(day == 0 ? now + 1 : due.start, LocalMidnight(now, day + 1), &due.count)) {
      return Failure();
    }
    result.days.push_back(due);
  }
  *forecast = std::move(result);
  return {};
}

CardboxStatus Cardbox::RightPerDay(const CardFilter& filter, int days,
                                   std::vector<DayCount>* counts) {
  const int64_t now = clock_();
  const bool filtered = !filter.lexicon.empty() || filter.kind;
  sql::Statement count(
      db_, filtered ? "SELECT count(*) FROM history h JOIN cards c ON c.id = h.card"
                      " WHERE h.was_right = 1 AND h.answered >= ?4 AND h.answered < ?5" +
                          FilterSql(filter, "c.")
                    : std::string("SELECT count(*) FROM history"
                                  " WHERE was_right = 1 AND answered >= ?4 AND answered < ?5"));
  if (!count.ok()) return Failure();
  std::vector<DayCount> result;
  for (int day = 1 - days; day <= 0; ++day) {
    const int64_t start = LocalMidnight(now, day);
    count.Reset();
    BindFilter(count, filter);
    if (count.Bind(4, start).Bind(5, LocalMidnight(now, day + 1)).Step() != SQLITE_ROW) {
      return Failure();
    }
    result.push_back({start, count.Int(0)});
  }
  *counts = std::move(result);
  return {};
}

CardboxStatus Cardbox::Decks(std::vector<Deck>* decks) {
  sql::Statement select(db_, "SELECT DISTINCT lexicon, kind FROM cards");
  std::vector<Deck> read;
  int code;
  while ((code = select.Step()) == SQLITE_ROW) {
    // A kind this version does not know is no deck it could study.
    if (const std::optional<CardKind> kind = CardKindFromName(select.Text(1))) {
      read.push_back({select.Text(0), *kind});
    }
  }
  if (code != SQLITE_DONE) return Failure();
  std::sort(read.begin(), read.end(), [](const Deck& a, const Deck& b) {
    return std::tie(a.lexicon, a.kind) < std::tie(b.lexicon, b.kind);
  });
  *decks = std::move(read);
  return {};
}

CardboxStatus Cardbox::DeckCards(const Deck& deck, std::vector<Card>* cards) {
  const CardFilter filter = DeckFilter(deck);
  sql::Statement select(db_, CardSelect("WHERE 1" + FilterSql(filter) + " ORDER BY question"));
  BindFilter(select, filter);
  std::vector<Card> read;
  int code;
  while ((code = select.Step()) == SQLITE_ROW) read.push_back(ReadCard(select, 0));
  if (code != SQLITE_DONE) return Failure();
  *cards = std::move(read);
  return {};
}

CardboxStatus Cardbox::Insert(const std::vector<Card>& cards, AddCounts* counts) {
  sql::Transaction transaction(db_);
  if (!transaction.ok()) return Failure();
  sql::Statement insert(db_, "INSERT INTO cards (" + std::string(kCardColumns) +
                                 ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)"
                                 " ON CONFLICT DO NOTHING");
  AddCounts added;
  for (const Card& card : cards) {
    insert.Reset();
    insert.Bind(1, card.lexicon).Bind(2, CardKindName(card.kind)).Bind(3, card.question);
    insert.Bind(4, card.box).Bind(5, card.due);
    insert.BindOptional(6, card.last_answered);
    insert.BindOptional(7, card.last_right);
    insert.Bind(8, card.right).Bind(9, card.missed).Bind(10, card.streak).Bind(11, card.added);
    if (!insert.Run()) return Failure();
    ++(db_.Changes() == 1 ? added.added : added.already);
  }
  if (!transaction.Commit()) return Failure();
  *counts = added;
  return {};
}

}  // namespace tavrune
