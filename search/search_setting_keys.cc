#include "search/search_setting_keys.h"

namespace tavrune {

int ReadToolsSearchBuildBuild(const Settings& settings) {
  return ReadSetting(settings, setting::general::kBuildBuild) != 0
             ? ReadSetting(settings, setting::tools_search::kBuildBuild)
             : 0;
}

}  // namespace tavrune
