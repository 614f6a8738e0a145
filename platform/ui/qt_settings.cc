#include "platform/ui/qt_settings.h"

#include <QVariant>
#include <optional>

namespace tavrune {
namespace {

// "General" keys are Qt's top-level keys, which the INI file keeps in its own
// [General] section; a group of that name would be written as [%General].
QString KeyOf(std::string_view section, std::string_view key) {
  const QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  if (section == "General") return name;
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' + name;
}

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

long long QtSettings::GetInt(std::string_view section, std::string_view key,
                             long long default_value) const {
  const std::optional<QString> text = TextOf(settings_->value(KeyOf(section, key)));
  if (!text || text->size() > 64) return default_value;
  bool ok = false;
  const long long value = text->trimmed().toLongLong(&ok);
  return ok ? value : default_value;
}

std::string QtSettings::GetString(std::string_view section, std::string_view key,
                                  std::string_view default_value) const {
  const std::optional<QString> text = TextOf(settings_->value(KeyOf(section, key)));
  if (!text || text->size() > kMaxStringLength) return std::string(default_value);
  return text->toStdString();
}

void QtSettings::PutInt(std::string_view section, std::string_view key, long long value) {
  settings_->setValue(KeyOf(section, key), static_cast<qlonglong>(value));
}

void QtSettings::PutString(std::string_view section, std::string_view key, std::string_view value) {
  settings_->setValue(KeyOf(section, key),
                      QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettings::Sync() { settings_->sync(); }

}  // namespace tavrune
