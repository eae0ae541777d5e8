#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <utility>

#include "ability/position_weightings.h"
#include "records/staff_record.h"

// A small invented weightings table and five invented players for the ability model's tests.

using staff_byte = std::int8_t qor_staff::*;

struct field_value {
  staff_byte field;
  int value;
};

// A record with the given current ability and ratings and attributes; every other attribute
// is `rest`.
qor_staff invented_player(std::int32_t id, int current_ability, int rest,
                          std::initializer_list<field_value> values);

// Every attribute field of the record (the block's entries 25 to 79 that a field fills).
std::span<const staff_byte> every_attribute_field();

// Weights for every position of the table, some attributes per position.
POSITION_WEIGHTINGS invented_weightings();

qor_staff keeper();
qor_staff striker();
qor_staff all_rounder();
qor_staff weak_youth();
qor_staff veteran();
