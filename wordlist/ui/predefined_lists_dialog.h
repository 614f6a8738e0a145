#ifndef TAVRUNE_WORDLIST_UI_PREDEFINED_LISTS_DIALOG_H_
#define TAVRUNE_WORDLIST_UI_PREDEFINED_LISTS_DIALOG_H_

#include <QDialog>
#include <string>

#include "wordlist/predefined_catalog.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace tavrune {

// "Predefined Lists": the user picks a category, one of its subcategories
// and one of its lists from the catalogue, starting from the remembered
// choice. Choosing a category reads its file through the catalogue. OK is
// enabled only while a list is selected; after OK the choice, its
// description and its stem are available. The dialog changes nothing else:
// the caller remembers the names and builds the list.
class PredefinedListsDialog : public QDialog {
  Q_OBJECT

 public:
  PredefinedListsDialog(PredefinedCatalog& catalog, const PredefinedListChoice& remembered,
                        QWidget* parent = nullptr);

  // The selected names; after OK, the chosen list's.
  PredefinedListChoice Choice() const;
  // The selected list, null when none. It belongs to the catalogue and is
  // valid until the catalogue unloads its category.
  const PredefinedList* SelectedList() const;
  // "category.subcategory.list" of the selection.
  std::string Description() const;
  // The stem a new list takes: empty except for a stem list.
  std::string Stem() const;

  QListWidget* CategoryBox() const { return categories_; }
  QListWidget* SubcategoryBox() const { return subcategories_; }
  QListWidget* ListBox() const { return lists_; }
  QCheckBox* SortCheck() const { return sort_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  void FillCategories();
  void CategorySelected();
  void SubcategorySelected();
  // Refills the List box in file or alphabetical order, keeping the list
  // selected by name.
  void FillLists();
  void ListSelected();
  void UpdateOk();

  PredefinedCatalog& catalog_;
  // The names to select when present; the list name follows the user.
  PredefinedListChoice remembered_;
  const CategoryNode* category_ = nullptr;
  const CategoryNode* subcategory_ = nullptr;

  QListWidget* categories_;
  QListWidget* subcategories_;
  QListWidget* lists_;
  QCheckBox* sort_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_UI_PREDEFINED_LISTS_DIALOG_H_
