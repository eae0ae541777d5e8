#pragma once

#include <string_view>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"
#include "records/system_locale.h"

struct qor_staff;

// The record's attribute for an entry of a playing data block (25 to 79, on the record's 1 to 20
// scale); 0 for the rating indices, the unused entries 42 and 77 and anything outside the block.
int get_staff_attribute(const qor_staff& staff, int index);

// A block holding the record's ratings (entries 0 to 24 but 8, the older scheme included) and
// attributes (25 to 79 but 42 and 77) as the record keeps them, attributes still on 1 to 20.
BASE_PLAYING_DATA playing_data_from_staff(const qor_staff& staff);

// The block the model works on for the record: its attributes on the 1 to 100 scale, fitted to
// its current ability.
BASE_PLAYING_DATA fitted_playing_data(const qor_staff& staff,
                                      const POSITION_WEIGHTINGS& weightings);

// The recommended current ability of fitted_playing_data for the record, worked out without
// the whole fit (see recommended_current_ability_when_fitted).
int recommended_current_ability_of(const qor_staff& staff, const POSITION_WEIGHTINGS& weightings);
// The same from the record's block as playing_data_from_staff gives it, for a caller that has
// made it already.
int recommended_current_ability_of(BASE_PLAYING_DATA block, const qor_staff& staff,
                                   const POSITION_WEIGHTINGS& weightings);

// Whole years of age on `today`: the whole days since the date of birth (read in `date_order`)
// divided by 365.2422 and truncated; without a date of birth from 1 January of a year of birth
// after 1800; 0 otherwise. A date of birth that cannot be read counts as none.
int get_staff_age(const qor_staff& staff, const date_time& today, std::string_view date_order);
