#include "change_highlight/original_value_text.h"

#include <QComboBox>
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "change_tracking/label_tables.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/item_selection.h"
#include "records/lookup.h"
#include "records/lookup_lists.h"

namespace {

// Where a caption's row lives: the staff table or an item kind's.
struct located_row {
  const label_row* row;
  bool staff;
  item_kind kind;
};

const std::map<std::string_view, located_row>& rows_by_label() {
  static const auto rows = [] {
    std::map<std::string_view, located_row> built;
    for (const label_row& row : staff_label_rows())
      built.emplace(row.label, located_row{&row, true, item_kind{}});
    for (std::size_t k = 0; k < item_kind_count; ++k) {
      const auto kind = static_cast<item_kind>(k);
      for (const label_row& row : item_label_rows(kind))
        built.emplace(row.label, located_row{&row, false, kind});
    }
    return built;
  }();
  return rows;
}

template <std::size_t... Kinds>
const void* selected_original_of(item_kind kind, std::index_sequence<Kinds...>) {
  const void* original = nullptr;
  ((kind == static_cast<item_kind>(Kinds)
        ? void(original = selected_item<static_cast<item_kind>(Kinds)>().original)
        : void()),
   ...);
  return original;
}

const std::byte* original_of(const located_row& located) {
  const void* original =
      located.staff
          ? editor().original_staff
          : selected_original_of(located.kind, std::make_index_sequence<item_kind_count>{});
  return static_cast<const std::byte*>(original);
}

const std::vector<std::string>* lookup_list_named(std::string_view name) {
  static const std::pair<std::string_view, std::vector<std::string> lookup_lists::*> lists[] = {
      {"city_list", &lookup_lists::city_list},
      {"jobs_list", &lookup_lists::jobs_list},
      {"formation_list", &lookup_lists::formation_list},
      {"region_list", &lookup_lists::region_list},
      {"contract_clauses_type_list", &lookup_lists::contract_clauses_type_list},
  };
  for (const auto& [list_name, list] : lists) {
    if (list_name == name)
      return &(lookups().*list);
  }
  return nullptr;
}

std::int32_t number_of(const std::byte* record, const label_row& row) {
  const std::int32_t value = read_integer(record, row.field.offset, row.field.size);
  // Counts kept in a signed byte read 0 to 255.
  return row.rule == label_rule::unsigned_quantity && row.field.size == 1
             ? static_cast<std::uint8_t>(value)
             : value;
}

std::string amount_text(float amount) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<double>(amount),
                                 std::chars_format::fixed, 2)
                       .ptr;
  std::string text(digits, end);
  if (const std::size_t point = text.find('.'); point != std::string::npos)
    text[point] = current_formats().decimal_separator;
  return text;
}

// The field as the record holds it.
std::string value_text(const std::byte* record, const label_row& row) {
  switch (row.field.type) {
    case field_type::integer:
    case field_type::list_index:
    case field_type::number_and_text:
      return std::to_string(number_of(record, row));
    case field_type::decimal_and_text:
      return amount_text(read_float(record, row.field.offset));
    default:
      return std::string(read_text(record, row.field.offset, row.field.size));
  }
}

std::string flag_text(const std::byte* record, const field_descriptor& field) {
  return std::string(read_text(record, field.offset, field.size));
}

// Rows outside a combo's items give nothing, never a read past them.
QString combo_item(const form_controls& form, std::string_view combo_name, int row) {
  const auto* combo = form.get<QComboBox>(combo_name);
  if (combo == nullptr || row < 0 || row >= combo->count())
    return {};
  return combo->itemText(row);
}

QString combo_item_with_code(const form_controls& form, std::string_view combo_name, int code) {
  const auto* combo = form.get<QComboBox>(combo_name);
  if (combo == nullptr)
    return {};
  for (int row = 0; row < combo->count(); ++row) {
    if (lookup_code_if_valid(to_win1252(combo->itemText(row))) == code)
      return combo->itemText(row);
  }
  return {};
}

std::string list_entry_with_code(std::string_view list_name, int code) {
  if (const std::vector<std::string>* list = lookup_list_named(list_name)) {
    for (const std::string& entry : *list) {
      if (lookup_code_if_valid(entry) == code)
        return entry;
    }
  }
  return {};
}

// The language types 1 to 6 are the first six words of the type list; anything else is its
// last word, "Not Set", as the panel shows it.
int language_type_row(int type) {
  return type >= 1 && type <= 6 ? type - 1 : 6;
}

QString text_of(const std::byte* original, const label_row& row, const form_controls& form) {
  const auto shown = [](const std::string& text) { return from_win1252(text); };
  switch (row.way) {
    case text_way::value:
      return shown(value_text(original, row));
    case text_way::combo_row:
      return combo_item(form, row.source, number_of(original, row));
    case text_way::combo_code:
      return combo_item_with_code(form, row.source, number_of(original, row));
    case text_way::list_entry:
      return shown(list_entry_with_code(row.source, number_of(original, row)));
    case text_way::currency_name:
      return shown(lookup_name_by_code(lookups().currency_list, number_of(original, row)));
    case text_way::club_name:
      return shown(get_club_name(number_of(original, row)));
    case text_way::ppm_name:
      return shown(get_ppm_name(number_of(original, row)));
    case text_way::language_type:
      return combo_item(form, row.source, language_type_row(number_of(original, row)));
    case text_way::declared:
      return shown("Declared: " + flag_text(original, row.second));
    case text_way::nation_declared:
      return shown(value_text(original, row) + " (Declared: " + flag_text(original, row.second) +
                   ")");
    case text_way::recallable:
      return shown("Recallable: " + value_text(original, row));
    case text_way::buy_option:
      return shown("Buy Option: " + value_text(original, row));
  }
  return {};
}

bool is_list_caption(std::string_view name) {
  return std::ranges::any_of(staff_caption_rows(),
                             [name](const caption_row& row) { return row.label == name; });
}

}  // namespace

std::optional<QString> original_value_text(const QWidget& component, form_controls& form) {
  const auto& rows = rows_by_label();
  const std::string name = component.objectName().toStdString();
  const auto found = rows.find(name);
  if (found == rows.end()) {
    // A list's bold caption heads many items, not one field: its original value is empty.
    if (is_list_caption(name) && editor().original_staff != nullptr)
      return QString();
    return std::nullopt;
  }
  const std::byte* original = original_of(found->second);
  if (original == nullptr)
    return std::nullopt;
  const QString text = text_of(original, *found->second.row, form);
  return text.isEmpty() ? QStringLiteral("(empty)") : text;
}
