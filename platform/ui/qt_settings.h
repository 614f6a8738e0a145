#ifndef TAVRUNE_PLATFORM_UI_QT_SETTINGS_H_
#define TAVRUNE_PLATFORM_UI_QT_SETTINGS_H_

#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

#include "platform/settings.h"

namespace tavrune {

// The per-user settings store over QSettings (on Linux an INI file under
// ~/.config/<organisation>/); sections are groups, except General, whose keys
// are the file's own [General] section (read from the [%General] group
// earlier versions wrote when not found there). The file may have been
// edited by hand, so reads accept only what they can use: an integer that
// does not parse or does not fit, a list, or an over-long text reads as the
// default.
//
// A write that puts back what this program last read or wrote under a key
// is skipped: two programs over one file then never undo each other's
// choices with stale copies. Writes reach the file at the next turn of the
// event loop (QSettings syncs itself), so a killed program loses nothing.
class QtSettings : public Settings {
 public:
  // The longest text a read accepts.
  static constexpr int kMaxStringLength = 32768;

  QtSettings(const QString& organization, const QString& application);
  // An INI file of its own, for tests and portable set-ups.
  explicit QtSettings(const QString& ini_file);

  long long GetInt(std::string_view section, std::string_view key,
                   long long default_value) const override;
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value) const override;
  void PutInt(std::string_view section, std::string_view key, long long value) override;
  void PutString(std::string_view section, std::string_view key, std::string_view value) override;

  // Writes pending changes to the file now.
  void Sync();
  QSettings& Store() { return *settings_; }

 private:
  QVariant Value(std::string_view section, std::string_view key) const;
  void SetValue(std::string_view section, std::string_view key, const QString& value);

  std::unique_ptr<QSettings> settings_;
  // What this program last read or wrote, by key.
  mutable QHash<QString, QString> known_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_UI_QT_SETTINGS_H_
