#include "platform/ui/qt_settings.h"

#include <QVariant>
#include <optional>

namespace tavrune {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The section called General is the file's own [General] section, Qt's
// top-level keys: a group of that name would be written as [%General],
// which a user editing the file would not recognise.
bool IsGeneral(std::string_view section) { return section == "General"; }

QString KeyOf(std::string_view section, std::string_view key) {
  if (IsGeneral(section)) return FromUtf8(key);
  return FromUtf8(section) + '/' + FromUtf8(key);
}

// Where earlier versions kept the General keys.
QString OldGeneralKeyOf(std::string_view key) { return QStringLiteral("General/") + FromUtf8(key); }

// A stored value as text, when it is one; INI values are read as strings,
// but a value with a comma comes back as a list and "@..." values as
// other types.
std::optional<QString> TextOf(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString:
      return value.toString();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return value.toString();
    default:
      return std::nullopt;
  }
}

}  // namespace

QtSettings::QtSettings(const QString& organization, const QString& application)
    : settings_(std::make_unique<QSettings>(organization, application)) {}

QtSettings::QtSettings(const QString& ini_file)
    : settings_(std::make_unique<QSettings>(ini_file, QSettings::IniFormat)) {}

QVariant QtSettings::Value(std::string_view section, std::string_view key) const {
  QVariant value = settings_->value(KeyOf(section, key));
  if (!value.isValid() && IsGeneral(section)) value = settings_->value(OldGeneralKeyOf(key));
  return value;
}

void QtSettings::SetValue(std::string_view section, std::string_view key, const QString& value) {
  const QString name = KeyOf(section, key);
  const auto known = known_.constFind(name);
  if (known != known_.constEnd() && *known == value) return;
  known_.insert(name, value);
  settings_->setValue(name, value);
  // Once written in its place, the old copy would only mislead.
  if (IsGeneral(section)) settings_->remove(OldGeneralKeyOf(key));
}

long long QtSettings::GetInt(std::string_view section, std::string_view key,
                             long long default_value) const {
  const std::optional<QString> text = TextOf(Value(section, key));
  bool ok = false;
  long long value = default_value;
  if (text && text->size() <= 64) value = text->trimmed().toLongLong(&ok);
  if (!ok) value = default_value;
  known_.insert(KeyOf(section, key), QString::number(value));
  return value;
}
std::string QtSettings::GetString(std::string_view section, std::string_view key,
                                  std::string_view default_value) const {
  const std::optional<QString> text = TextOf(Value(section, key));
  const QString value = text && text->size() <= kMaxStringLength ? *text : FromUtf8(default_value);
  known_.insert(KeyOf(section, key), value);
  return value.toStdString();
}

void QtSettings::PutInt(std::string_view section, std::string_view key, long long value) {
  SetValue(section, key, QString::number(value));
}

void QtSettings::PutString(std::string_view section, std::string_view key, std::string_view value) {
  SetValue(section, key, FromUtf8(value));
}

void QtSettings::Sync() { settings_->sync(); }

}  // namespace tavrune
