#pragma once

#include <string>
#include <string_view>

class QListWidget;
class form_controls;

// The attribute and rating edits the check list counts and lists: the plain edits of a group
// box or panel of the record pages, in page-table order. An edit is empty when its text reads
// as 0 (a text that is no whole number counts as 0).

// "empty/counted" over every edit of gb_mental_traits.
std::string count_empty_mental_trait_edits(const form_controls& form);
// "empty/counted" over the edits of the group that can be typed into (the weighted view's
// read-only edits are left out).
std::string count_empty_attribute_edits(const form_controls& form, std::string_view group);
// "filled/counted" over the typed, shown rating edits of the panel; filled means 1 or more.
std::string count_filled_position_edits(const form_controls& form, std::string_view panel);

// Fills the list with the group's typed, shown, empty edits, each line the control's name
// without "staff_" (plain_prefix) or without "staff_pl_" / "staff_np_", carrying the edit.
void list_empty_attribute_edits(const form_controls& form, std::string_view group,
                                QListWidget* list, bool plain_prefix);
// Fills the list with the panel's rated edits, best band first: "name: (Natural)" and so on.
void list_position_ratings(const form_controls& form, std::string_view panel, QListWidget* list);

// The double-click on a listed field: shows its page and gives it the focus. Nothing without a
// record on screen or a selected line.
void go_to_control_in_list_box(QListWidget* list);
