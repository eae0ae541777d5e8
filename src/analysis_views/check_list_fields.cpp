#include "analysis_views/check_list_fields.h"

#include <QLineEdit>
#include <QListWidget>
#include <vector>

#include "analysis/check_list_facts.h"
#include "analysis_views/go_to_control.h"
#include "platform/item_objects.h"
#include "platform/win1252.h"
#include "record_form/edit_integers.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/record_pages.h"

namespace {

// A rating edit of the positions panel that is never counted, should the panel hold it.
constexpr std::string_view free_role_edit = "staff_pl_free_role";

struct group_edit {
  const char* name;
  QLineEdit* edit;
};

// The plain edits (no date edits) of the container, in page-table order.
std::vector<group_edit> group_edits(const form_controls& form, std::string_view group) {
  std::vector<group_edit> edits;
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.kind != control_kind::edit || row.container == nullptr || row.container != group)
        continue;
      if (auto* edit = form.get<QLineEdit>(row.name))
        edits.push_back({row.name, edit});
    }
  }
  return edits;
}

bool is_typed(const group_edit& entry) {
  return !entry.edit->isReadOnly();
}

bool is_listed(const group_edit& entry) {
  return is_typed(entry) && !entry.edit->isHidden();
}

bool is_rating(const group_edit& entry) {
  return is_listed(entry) && entry.name != free_role_edit;
}

int value_of(const group_edit& entry) {
  return edit_integer_or_zero(entry.edit);
}

std::string count_empty(const std::vector<group_edit>& edits, bool (*counted)(const group_edit&)) {
  int total = 0;
  int empty = 0;
  for (const group_edit& entry : edits) {
    if (!counted(entry))
      continue;
    ++total;
    empty += value_of(entry) == 0 ? 1 : 0;
  }
  return count_text(empty, total);
}

void add_line(QListWidget* list, const group_edit& entry, bool plain_prefix,
              std::string_view suffix = {}) {
  add_list_entry(list,
                 from_win1252(listed_field_name(entry.name, plain_prefix) + std::string(suffix)),
                 static_cast<QWidget*>(entry.edit));  // read back as the widget it is
}

}  // namespace

std::string count_empty_mental_trait_edits(const form_controls& form) {
  return count_empty(group_edits(form, "gb_mental_traits"), [](const group_edit&) { return true; });
}

std::string count_empty_attribute_edits(const form_controls& form, std::string_view group) {
  return count_empty(group_edits(form, group), is_typed);
}

std::string count_filled_position_edits(const form_controls& form, std::string_view panel) {
  int total = 0;
  int filled = 0;
  for (const group_edit& entry : group_edits(form, panel)) {
    if (!is_rating(entry))
      continue;
    ++total;
    filled += value_of(entry) >= 1 ? 1 : 0;
  }
  return count_text(filled, total);
}

void list_empty_attribute_edits(const form_controls& form, std::string_view group,
                                QListWidget* list, bool plain_prefix) {
  if (list == nullptr || editor().current_staff == nullptr)
    return;
  list->clear();
  for (const group_edit& entry : group_edits(form, group)) {
    if (is_listed(entry) && value_of(entry) == 0)
      add_line(list, entry, plain_prefix);
  }
}

void list_position_ratings(const form_controls& form, std::string_view panel, QListWidget* list) {
  if (list == nullptr || editor().current_staff == nullptr)
    return;
  list->clear();
  const std::vector<group_edit> edits = group_edits(form, panel);
  // One pass per rating word, so the best ratings come first.
  for (const std::string_view word : position_rating_words()) {
    for (const group_edit& entry : edits) {
      if (is_rating(entry) && position_rating_word(value_of(entry)) == word)
        add_line(list, entry, false, word);
    }
  }
}

void go_to_control_in_list_box(QListWidget* list) {
  if (list == nullptr || editor().current_staff == nullptr)
    return;
  const QListWidgetItem* line = list->currentItem();
  if (line == nullptr || !line->isSelected())
    return;
  go_to_control(entry_object<QWidget>(list, list->row(line)));
}
