#ifndef TAVRUNE_SEARCH_SEARCH_TYPE_REGISTRY_H_
#define TAVRUNE_SEARCH_SEARCH_TYPE_REGISTRY_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_type.h"

namespace tavrune {

// A named group of search types, in display order.
class SearchCategory {
 public:
  explicit SearchCategory(std::string_view name) : name_(name) {}

  const std::string& name() const { return name_; }
  int TypeCount() const { return static_cast<int>(types_.size()); }
  const SearchType& Type(int index) const { return *types_[index]; }
  // The type shown under exactly this name; null when there is none.
  const SearchType* FindType(std::string_view name) const;

  void Add(std::unique_ptr<SearchType> type) { types_.push_back(std::move(type)); }

 private:
  std::string name_;
  std::vector<std::unique_ptr<SearchType>> types_;
};

// Every search type of the custom-list dialog, by category, in the order the
// dialog lists them: "Pattern", "Jumble", "Extension", "Others". The
// "BuildBuild" type is offered only when `build_build` is set (the
// General/BuildBuild setting is non-zero).
class SearchTypeRegistry {
 public:
  explicit SearchTypeRegistry(bool build_build = false);

  int CategoryCount() const { return static_cast<int>(categories_.size()); }
  const SearchCategory& Category(int index) const { return categories_[index]; }
  // Looked up by the exact names the dialog shows; null when absent.
  const SearchCategory* FindCategory(std::string_view name) const;
  const SearchType* FindType(std::string_view name) const;

 private:
  std::vector<SearchCategory> categories_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_SEARCH_TYPE_REGISTRY_H_
