#ifndef TAVRUNE_PLATFORM_SETTINGS_H_
#define TAVRUNE_PLATFORM_SETTINGS_H_

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace tavrune {

// The per-user settings store as models see it: integers and strings by
// section and key. The programs implement it over QSettings; tests use
// MemorySettings. Readers normalise what they get: the store may hold anything.
class Settings {
 public:
  virtual ~Settings() = default;
  virtual long long GetInt(std::string_view section, std::string_view key,
                           long long default_value) const = 0;
  virtual std::string GetString(std::string_view section, std::string_view key,
                                std::string_view default_value) const = 0;
  virtual void PutInt(std::string_view section, std::string_view key, long long value) = 0;
  virtual void PutString(std::string_view section, std::string_view key,
                         std::string_view value) = 0;
};

// Settings kept in memory. Like the real store, a value written as a string
// reads back as an integer only when it is one.
class MemorySettings : public Settings {
 public:
  long long GetInt(std::string_view section, std::string_view key,
                   long long default_value) const override {
    const auto it = values_.find(Key(section, key));
    if (it == values_.end()) return default_value;
    try {
      size_t used = 0;
      const long long value = std::stoll(it->second, &used);
      return used == it->second.size() ? value : default_value;
    } catch (...) {
      return default_value;
    }
  }
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value) const override {
    const auto it = values_.find(Key(section, key));
    return it == values_.end() ? std::string(default_value) : it->second;
  }
  void PutInt(std::string_view section, std::string_view key, long long value) override {
    values_[Key(section, key)] = std::to_string(value);
  }
  void PutString(std::string_view section, std::string_view key, std::string_view value) override {
    values_[Key(section, key)] = std::string(value);
  }

  bool Has(std::string_view section, std::string_view key) const {
    return values_.count(Key(section, key)) != 0;
  }
  size_t size() const { return values_.size(); }

 private:
  static std::pair<std::string, std::string> Key(std::string_view section, std::string_view key) {
    return {std::string(section), std::string(key)};
  }
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_SETTINGS_H_
