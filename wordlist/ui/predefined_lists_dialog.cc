#include "wordlist/ui/predefined_lists_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <numeric>
#include <string_view>
#include <vector>

namespace tavrune {
namespace {

// Items carry the index of what they show, so that names the widget cannot
// show faithfully (bytes that are not UTF-8) still choose the right entry.
constexpr int kIndexRole = Qt::UserRole;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int ItemIndex(const QListWidget* box) {
  const QListWidgetItem* item = box->currentItem();
  return item == nullptr ? -1 : item->data(kIndexRole).toInt();
}

// Case-blind, then byte order, as alphabetical lists sort. ASCII only:
// std::tolower would follow the user's locale once the toolkit has set it.
bool AlphabeticalLess(std::string_view a, std::string_view b) {
  const auto lower = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u - 'A' + 'a' : u;
  };
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) < lower(y); });
  const bool greater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) { return lower(x) < lower(y); });
  return less || (!greater && a < b);
}

// Fills a box with the names, in the given order of their indexes, and
// selects the first item named `wanted`, else the first item.
void FillBox(QListWidget* box, const WordCollection& names, const std::vector<int>& order,
             std::string_view wanted) {
  box->clear();
  int selected = -1;
  for (size_t row = 0; row < order.size(); ++row) {
    const std::string_view name = names.Word(order[row]);
    auto* item = new QListWidgetItem(ToQString(name), box);
    item->setData(kIndexRole, order[row]);
    if (selected < 0 && name == wanted) selected = static_cast<int>(row);
  }
  if (selected < 0 && !order.empty()) selected = 0;
  box->setCurrentRow(selected);
}

std::vector<int> FileOrder(const WordCollection& names) {
  std::vector<int> order(static_cast<size_t>(names.Count()));
  std::iota(order.begin(), order.end(), 0);
  return order;
}

}  // namespace

PredefinedListsDialog::PredefinedListsDialog(PredefinedCatalog& catalog,
                                             const PredefinedListChoice& remembered,
                                             QWidget* parent)
    : QDialog(parent), catalog_(catalog), remembered_(remembered) {
  setWindowTitle(tr("Predefined Lists"));

  categories_ = new QListWidget(this);
  subcategories_ = new QListWidget(this);
  lists_ = new QListWidget(this);
  sort_ = new QCheckBox(tr("So&rt List Names"), this);
  auto* category_label = new QLabel(tr("&Category"), this);
  auto* subcategory_label = new QLabel(tr("&Subcategory"), this);
  auto* list_label = new QLabel(tr("&List"), this);
  category_label->setBuddy(categories_);
  subcategory_label->setBuddy(subcategories_);
  list_label->setBuddy(lists_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  cancel_ = buttons->button(QDialogButtonBox::Cancel);

  auto* grid = new QGridLayout(this);
  grid->addWidget(category_label, 0, 0);
  grid->addWidget(subcategory_label, 0, 1);
  grid->addWidget(list_label, 0, 2);
  grid->addWidget(categories_, 1, 0);
  grid->addWidget(subcategories_, 1, 1);
  grid->addWidget(lists_, 1, 2);
  grid->addWidget(sort_, 2, 2);
  grid->addWidget(buttons, 3, 0, 1, 3);
  grid->setRowStretch(1, 1);
  resize(520, 320);

  connect(categories_, &QListWidget::currentRowChanged, this,
          &PredefinedListsDialog::CategorySelected);
  connect(subcategories_, &QListWidget::currentRowChanged, this,
          &PredefinedListsDialog::SubcategorySelected);
  connect(lists_, &QListWidget::currentRowChanged, this, &PredefinedListsDialog::ListSelected);
  connect(lists_, &QListWidget::itemDoubleClicked, this, [this] {
    if (ok_->isEnabled()) accept();
  });
  connect(sort_, &QCheckBox::toggled, this, &PredefinedListsDialog::FillLists);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  FillCategories();
  categories_->setFocus();
}

void PredefinedListsDialog::FillCategories() {
  {
    const QSignalBlocker blocker(categories_);
    const WordCollection& shown = catalog_.ShownCategories();
    FillBox(categories_, shown, FileOrder(shown), remembered_.category);
  }
  CategorySelected();
}

void PredefinedListsDialog::CategorySelected() {
  const int index = ItemIndex(categories_);
  category_ = index < 0 ? nullptr : catalog_.GetCategory(catalog_.ShownCategories().Word(index));
  {
    const QSignalBlocker blocker(subcategories_);
    subcategories_->clear();
    if (category_ != nullptr) {
      FillBox(subcategories_, category_->names(), FileOrder(category_->names()),
              remembered_.subcategory);
    }
  }
  SubcategorySelected();
}

void PredefinedListsDialog::SubcategorySelected() {
  subcategory_ = category_ == nullptr ? nullptr : category_->Subcategory(ItemIndex(subcategories_));
  {
    // A list box refilled from scratch would otherwise keep the old name.
    const QSignalBlocker blocker(lists_);
    lists_->clear();
  }
  FillLists();
}

void PredefinedListsDialog::FillLists() {
  const PredefinedList* selected = SelectedList();
  const std::string wanted = selected != nullptr ? selected->name() : remembered_.list;
  {
    const QSignalBlocker blocker(lists_);
    lists_->setUpdatesEnabled(false);
    lists_->clear();
    if (subcategory_ != nullptr) {
      const WordCollection& names = subcategory_->names();
      std::vector<int> order = FileOrder(names);
      if (sort_->isChecked()) {
        std::stable_sort(order.begin(), order.end(), [&names](int a, int b) {
          return AlphabeticalLess(names.Word(a), names.Word(b));
        });
      }
      FillBox(lists_, names, order, wanted);
    }
    lists_->setUpdatesEnabled(true);
  }
  UpdateOk();
}

void PredefinedListsDialog::ListSelected() {
  if (const PredefinedList* list = SelectedList()) remembered_.list = list->name();
  UpdateOk();
}

void PredefinedListsDialog::UpdateOk() { ok_->setEnabled(SelectedList() != nullptr); }

const PredefinedList* PredefinedListsDialog::SelectedList() const {
  return subcategory_ == nullptr ? nullptr : subcategory_->List(ItemIndex(lists_));
}

PredefinedListChoice PredefinedListsDialog::Choice() const {
  PredefinedListChoice choice;
  const int category = ItemIndex(categories_);
  if (category >= 0) choice.category = catalog_.ShownCategories().Word(category);
  const int subcategory = ItemIndex(subcategories_);
  if (category_ != nullptr && subcategory >= 0) {
    choice.subcategory = category_->names().Word(subcategory);
  }
  if (const PredefinedList* list = SelectedList()) choice.list = list->name();
  return choice;
}

std::string PredefinedListsDialog::Description() const {
  const PredefinedListChoice choice = Choice();
  return PredefinedCatalog::Description(choice.category, choice.subcategory, choice.list);
}

std::string PredefinedListsDialog::Stem() const {
  const PredefinedList* list = SelectedList();
  return list == nullptr ? std::string() : list->Stem();
}

}  // namespace tavrune
