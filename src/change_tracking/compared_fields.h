#pragma once

#include <cstddef>
#include <span>

#include "records/field_descriptor.h"
#include "records/item_kind.h"

// The fields by which a record or item is told apart from its original.

// Every column of the kind's section except the item's id, its owner, DateUpdated and
// Researcher. List indices and other members no column fills are derived or unused.
std::span<const field_descriptor> compared_item_fields(item_kind kind);

// Every column of the staff line except StaffID, DateUpdated, Researcher and
// StaffLoanPlayerWagesCurrency, and the staff-level injury fields and the older position
// ratings, which the record keeps without a column.
std::span<const field_descriptor> compared_staff_fields();

// Numbers by value (a number kept beside its text by the number alone, so "08" equals "8"),
// texts byte for byte and case-sensitively, and "True"/"False" flags regardless of letter case.
bool same_compared_value(const std::byte* a, const std::byte* b, const field_descriptor& field);

bool any_compared_field_differs(const std::byte* a, const std::byte* b,
                                std::span<const field_descriptor> fields);
