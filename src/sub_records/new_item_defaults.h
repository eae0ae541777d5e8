#pragma once

#include "records/item_records.h"

struct qor_staff;
class form_controls;

// The values a new item of a kind starts with beyond its id, its owner, its "False"
// marked-for-deletion flag and the update stamp of the grid kinds, which the editor gives every
// new item. Kinds without an overload start zero-filled.
struct new_item_context {
  const qor_staff& staff;  // the owner, on screen
  form_controls& form;
};

// Permanent "True", rating 0.
void start_new_item(qor_staff_favourite_disliked_staff& item, const new_item_context& context);
void start_new_item(qor_staff_favourite_disliked_club& item, const new_item_context& context);
// With the history panel's lock ticked the new season starts from what the panel shows,
// otherwise at the file's club; then season 2012, order 0, no apps, goals or transfer fee, and
// the loan, youth and exchange flags "False".
void start_new_item(qor_staff_history& item, const new_item_context& context);
// Type 7, shown as "Not Set".
void start_new_item(qor_staff_language& item, const new_item_context& context);
// Every flag "False".
void start_new_item(qor_staff_injury& item, const new_item_context& context);
// The file's club and the staff member's job for it.
void start_new_item(qor_staff_achievements& item, const new_item_context& context);

template <class Item>
void start_new_item(Item&, const new_item_context&) {}
