#pragma once

#include <string_view>

#include "record_store.h"

// The display name of a staff record: its common name when it has one, else its second name.
std::string_view display_name(const qor_staff& staff);

// Compares display names ignoring ASCII case, byte by byte by unsigned code: <0, 0 or >0.
int compare_display_names(const qor_staff& a, const qor_staff& b);

// Id order, ties broken by display name ignoring case: the order of the written file and of
// sort attribute -1.
bool staff_id_less(const qor_staff& a, const qor_staff& b);

// Sorts the vector into id order in place; null entries go to the end.
void sort_staff_by_id(record_vector<qor_staff>& staff);
