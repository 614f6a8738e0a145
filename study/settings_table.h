#ifndef TAVRUNE_STUDY_SETTINGS_TABLE_H_
#define TAVRUNE_STUDY_SETTINGS_TABLE_H_

#include <span>

#include "dictionary/dictionary_setting_keys.h"
#include "options/option_setting_keys.h"
#include "platform/setting_keys.h"
#include "print/print_setting_keys.h"
#include "search/search_setting_keys.h"
#include "study/study_setting_keys.h"
#include "wordlist/wordlist_setting_keys.h"

namespace tavrune {

// Every key the study program keeps in the settings store, section by
// section. Each module declares its own keys; this is the one place that
// sees them all, for whatever must go over every key.
std::span<const AnySetting> AllSettings();

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_SETTINGS_TABLE_H_
