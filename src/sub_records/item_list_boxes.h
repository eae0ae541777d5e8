#pragma once

#include <cstdint>
#include <string>

#include "records/record_store.h"

class owner_drawn_list_box;

// The item kinds shown in owner-drawn list boxes.
//
// Each fill clears the list box, sorts the vector where its kind sorts (favourite and disliked
// staff and clubs by rating, history by year; language, ppm and npt keep the vector's order),
// adds one entry per item that `staff_id` owns through the kind's entry builder and sets the
// kind's count label to the number of entries followed by " items". True when an entry was
// added; false with a plain message naming the fill when the list box is missing.
//
// Count labels are found by object name among the widgets of the list box's window
// ("staff_language_count" and so on); a list box without such a label leaves none set. The
// favourite and disliked fills serve both lists of their pair and tell them apart by the list
// box's object name: "staff_favourite_staff" and "staff_favourite_clubs" are the favourite
// lists, any other name a disliked one. The history list sets no label.
bool fill_staff_favourite_staff(owner_drawn_list_box* list, std::int32_t staff_id,
                                record_vector<qor_staff_favourite_disliked_staff>& items);
bool fill_staff_favourite_club(owner_drawn_list_box* list, std::int32_t staff_id,
                               record_vector<qor_staff_favourite_disliked_club>& items);
bool fill_staff_history(owner_drawn_list_box* list, std::int32_t staff_id,
                        record_vector<qor_staff_history>& items);
bool fill_staff_language(owner_drawn_list_box* list, std::int32_t staff_id,
                         record_vector<qor_staff_language>& items);
bool fill_staff_ppm(owner_drawn_list_box* list, std::int32_t staff_id,
                    record_vector<qor_staff_ppm>& items);
bool fill_staff_npt(owner_drawn_list_box* list, std::int32_t staff_id,
                    record_vector<qor_staff_npt>& items);

// Entry builders: append the item's entry text, accents folded, with the item as the entry's
// object (never owned); return the new entry's index, or -1 for a missing list box or item.
int add_favourite_disliked_staff_item(owner_drawn_list_box* list,
                                      const qor_staff_favourite_disliked_staff* item);
int add_favourite_disliked_club_item(owner_drawn_list_box* list,
                                     const qor_staff_favourite_disliked_club* item);
int add_history_item(owner_drawn_list_box* list, const qor_staff_history* item);
int add_language_item(owner_drawn_list_box* list, const qor_staff_language* item);
int add_ppm_item(owner_drawn_list_box* list, const qor_staff_ppm* item);
int add_npt_item(owner_drawn_list_box* list, const qor_staff_npt* item);

// The entry texts before folding (Windows-1252), as an edit rewrites an entry. The favourite
// and disliked texts take the list box only for its name (null: the disliked format).
std::string favourite_disliked_staff_entry_text(const owner_drawn_list_box* list,
                                                const qor_staff_favourite_disliked_staff& item);
std::string favourite_disliked_club_entry_text(const owner_drawn_list_box* list,
                                               const qor_staff_favourite_disliked_club& item);
std::string history_entry_text(const qor_staff_history& item);
std::string language_entry_text(const qor_staff_language& item);
std::string ppm_entry_text(const qor_staff_ppm& item);
std::string npt_entry_text(const qor_staff_npt& item);

// "3 items"; also "1 items" and "0 items".
std::string item_count_text(int count);
