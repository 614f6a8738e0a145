#include "cardbox/lazy_cardbox.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace tavrune {

LazyCardbox::LazyCardbox(std::string path, CardboxClock clock, uint32_t seed, UserPrompt& prompt)
    : path_(std::move(path)), cardbox_(std::move(clock), seed), prompt_(prompt) {}

Cardbox* LazyCardbox::Get() {
  if (cardbox_.IsOpen()) return &cardbox_;
  if (failed_) return nullptr;
  const CardboxStatus status = cardbox_.Open(path_);
  if (status.ok()) return &cardbox_;
  failed_ = status.error != CardboxError::kBusy;
  ReportCardboxStatus(status, prompt_);
  return nullptr;
}

Cardbox* LazyCardbox::GetIfPresent() {
  std::error_code error;
  if (!cardbox_.IsOpen() && !std::filesystem::exists(path_, error)) return nullptr;
  return Get();
}

}  // namespace tavrune
