#pragma once

#include <span>

#include "field_descriptor.h"

// Every member of qor_staff in memory order, with its staff-line column (249 columns) or none.
std::span<const field_descriptor> staff_fields();
