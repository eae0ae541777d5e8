#include <QLabel>
#include <optional>
#include <vector>

#include "platform/dialog_service.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/win1252.h"
#include "records/item_vectors.h"
#include "records/text_fold.h"
#include "sub_records/item_list_boxes.h"
#include "sub_records/item_sorts.h"

namespace {

// One list-box kind: its message for a missing list box, its order, its entry builder and the
// name of its count label.
template <class Item>
struct list_kind {
  const char* missing_message;
  // Null: the vector's order.
  bool (*sort)(record_vector<Item>& items, std::optional<std::int32_t> shown_owner);
  int (*add_entry)(owner_drawn_list_box* list, const Item* item);
  const char* (*count_label_name)(const owner_drawn_list_box* list);  // null: no label
};

// The count label sits near its list: the closest enclosing widget is searched first, up to the
// window, rather than the whole window's thousands of widgets on every fill.
QLabel* count_label(const owner_drawn_list_box* list, const char* label_name) {
  const QString name = QLatin1String(label_name);
  for (const QWidget* area = list; area != nullptr; area = area->parentWidget()) {
    if (auto* label = area->findChild<QLabel*>(name))
      return label;
    if (area->isWindow())
      break;
  }
  return nullptr;
}

void set_count_label(const owner_drawn_list_box* list, const char* label_name) {
  if (auto* label = count_label(list, label_name))
    label->setText(from_win1252(item_count_text(list->count())));
}

template <class Item>
bool fill_item_list(owner_drawn_list_box* list, std::int32_t staff_id, record_vector<Item>& items,
                    const list_kind<Item>& kind) {
  if (list == nullptr) {
    show_message(kind.missing_message);
    return false;
  }
  list->clear();
  if (kind.sort != nullptr)
    kind.sort(items, staff_id);
  const std::vector<Item*> owned = items_owned_by(items, staff_id);
  for (const Item* item : owned)
    kind.add_entry(list, item);
  if (kind.count_label_name != nullptr)
    set_count_label(list, kind.count_label_name(list));
  return !owned.empty();
}

// List texts show without accents, so that they read alike whatever the source wrote.
int add_folded_entry(owner_drawn_list_box* list, const std::string& text, const void* item) {
  return list->add_entry(from_win1252(strip_accents(text)), item);
}

template <class Item, std::string (*EntryText)(const Item&)>
int add_plain_kind_entry(owner_drawn_list_box* list, const Item* item) {
  if (list == nullptr || item == nullptr)
    return -1;
  return add_folded_entry(list, EntryText(*item), item);
}

template <class Item, std::string (*EntryText)(const owner_drawn_list_box*, const Item&)>
int add_paired_kind_entry(owner_drawn_list_box* list, const Item* item) {
  if (list == nullptr || item == nullptr)
    return -1;
  return add_folded_entry(list, EntryText(list, *item), item);
}

bool is_named(const owner_drawn_list_box* list, const char* name) {
  return list->objectName() == QLatin1String(name);
}

const list_kind<qor_staff_favourite_disliked_staff> favourite_staff_list = {
    .missing_message = "fill_staff_favourite_staff or fill_staff_disliked_staff: null listbox",
    .sort = sort_staff_favourite_disliked_staff,
    .add_entry = add_favourite_disliked_staff_item,
    .count_label_name = [](const owner_drawn_list_box* list) {
      return is_named(list, "staff_favourite_staff") ? "staff_favourite_staff_count"
                                                     : "staff_disliked_staff_count";
    }};

const list_kind<qor_staff_favourite_disliked_club> favourite_club_list = {
    .missing_message = "fill_staff_favourite_club or fill_staff_disliked_club: null listbox",
    .sort = sort_staff_favourite_disliked_club,
    .add_entry = add_favourite_disliked_club_item,
    .count_label_name = [](const owner_drawn_list_box* list) {
      return is_named(list, "staff_favourite_clubs") ? "staff_favourite_clubs_count"
                                                     : "staff_disliked_clubs_count";
    }};

const list_kind<qor_staff_history> history_list = {
    .missing_message = "fill_staff_history: null listbox",
    .sort = sort_staff_history,
    .add_entry = add_history_item,
    .count_label_name = nullptr};

const list_kind<qor_staff_language> language_list = {
    .missing_message = "fill_staff_language: null listbox",
    .sort = nullptr,
    .add_entry = add_language_item,
    .count_label_name = [](const owner_drawn_list_box*) { return "staff_language_count"; }};

const list_kind<qor_staff_ppm> ppm_list = {
    .missing_message = "fill_staff_ppm: null listbox",
    .sort = nullptr,
    .add_entry = add_ppm_item,
    .count_label_name = [](const owner_drawn_list_box*) { return "staff_ppm_count"; }};

const list_kind<qor_staff_npt> npt_list = {
    .missing_message = "fill_staff_npt: null listbox",
    .sort = nullptr,
    .add_entry = add_npt_item,
    .count_label_name = [](const owner_drawn_list_box*) { return "staff_npt_count"; }};

}  // namespace

int add_favourite_disliked_staff_item(owner_drawn_list_box* list,
                                      const qor_staff_favourite_disliked_staff* item) {
  return add_paired_kind_entry<qor_staff_favourite_disliked_staff,
                               favourite_disliked_staff_entry_text>(list, item);
}

int add_favourite_disliked_club_item(owner_drawn_list_box* list,
                                     const qor_staff_favourite_disliked_club* item) {
  return add_paired_kind_entry<qor_staff_favourite_disliked_club,
                               favourite_disliked_club_entry_text>(list, item);
}

int add_history_item(owner_drawn_list_box* list, const qor_staff_history* item) {
  return add_plain_kind_entry<qor_staff_history, history_entry_text>(list, item);
}

int add_language_item(owner_drawn_list_box* list, const qor_staff_language* item) {
  return add_plain_kind_entry<qor_staff_language, language_entry_text>(list, item);
}

int add_ppm_item(owner_drawn_list_box* list, const qor_staff_ppm* item) {
  return add_plain_kind_entry<qor_staff_ppm, ppm_entry_text>(list, item);
}

int add_npt_item(owner_drawn_list_box* list, const qor_staff_npt* item) {
  return add_plain_kind_entry<qor_staff_npt, npt_entry_text>(list, item);
}

bool fill_staff_favourite_staff(owner_drawn_list_box* list, std::int32_t staff_id,
                                record_vector<qor_staff_favourite_disliked_staff>& items) {
  return fill_item_list(list, staff_id, items, favourite_staff_list);
}

bool fill_staff_favourite_club(owner_drawn_list_box* list, std::int32_t staff_id,
                               record_vector<qor_staff_favourite_disliked_club>& items) {
  return fill_item_list(list, staff_id, items, favourite_club_list);
}

bool fill_staff_history(owner_drawn_list_box* list, std::int32_t staff_id,
                        record_vector<qor_staff_history>& items) {
  return fill_item_list(list, staff_id, items, history_list);
}

bool fill_staff_language(owner_drawn_list_box* list, std::int32_t staff_id,
                         record_vector<qor_staff_language>& items) {
  return fill_item_list(list, staff_id, items, language_list);
}

bool fill_staff_ppm(owner_drawn_list_box* list, std::int32_t staff_id,
                    record_vector<qor_staff_ppm>& items) {
  return fill_item_list(list, staff_id, items, ppm_list);
}

bool fill_staff_npt(owner_drawn_list_box* list, std::int32_t staff_id,
                    record_vector<qor_staff_npt>& items) {
  return fill_item_list(list, staff_id, items, npt_list);
}
