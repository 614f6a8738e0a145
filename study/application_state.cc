#include "study/application_state.h"

#include <utility>

#include "study/settings_table.h"

namespace tavrune {

ApplicationState::ApplicationState(std::string data_folder, Settings& settings, UserPrompt& prompt)
    : Dictionary(std::move(data_folder), settings, prompt), settings_(settings) {
  predefined_list_ = {std::string(setting::predefined_list::kCategory.default_value),
                      std::string(setting::predefined_list::kSubCategory.default_value),
                      std::string(setting::predefined_list::kList.default_value)};
}

void ApplicationState::ReadSettings() {
  namespace general = setting::general;
  namespace predefined = setting::predefined_list;

  Dictionary::ReadSettings();
  show_welcome_ = ReadSetting(settings_, general::kShowWelcome) != 0;
  show_definitions_ = ReadSetting(settings_, general::kShowDefinitions) != 0;
  predefined_list_ = {ReadSetting(settings_, predefined::kCategory),
                      ReadSetting(settings_, predefined::kSubCategory),
                      ReadSetting(settings_, predefined::kList)};
}

void ApplicationState::WriteOwnSettings() const {
  namespace general = setting::general;
  namespace predefined = setting::predefined_list;

  WriteSetting(settings_, general::kShowWelcome, show_welcome_ ? 1 : 0);
  WriteSetting(settings_, general::kShowDefinitions, show_definitions_ ? 1 : 0);
  WriteSetting(settings_, predefined::kCategory, predefined_list_.category);
  WriteSetting(settings_, predefined::kSubCategory, predefined_list_.subcategory);
  WriteSetting(settings_, predefined::kList, predefined_list_.list);
}

void ApplicationState::SetPredefinedList(PredefinedListChoice choice) {
  predefined_list_ = std::move(choice);
  WriteOwnSettings();
}

void ApplicationState::SetShowWelcome(bool on) {
  show_welcome_ = on;
  WriteOwnSettings();
}

void ApplicationState::SetShowDefinitions(bool on) {
  show_definitions_ = on;
  WriteOwnSettings();
}

}  // namespace tavrune
