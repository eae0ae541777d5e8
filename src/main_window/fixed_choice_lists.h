#pragma once

#include <functional>
#include <span>
#include <string_view>

class QComboBox;
class form_controls;

// Finds a drop-down list of the main window by its object name; null when it is not there.
using combo_finder = std::function<QComboBox*(std::string_view name)>;

// Replaces the combo's items by the texts (Windows-1252), in order, in one model change. Combos
// sharing the model change with it.
void fill_items_from_array(QComboBox* combo, std::span<const char* const> texts);

// The 25 drop-down lists whose items are built in, filled in their fixed order. Lists that show
// the same table share one model of `controls`.
void fill_fixed_choice_lists(const combo_finder& find_combo, form_controls& controls);

// The 60 attribute texts of the averages page's attribute choice, in the order that page reads
// the selected index by.
std::span<const char* const> average_attribute_names();
