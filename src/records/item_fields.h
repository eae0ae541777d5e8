#pragma once

#include <span>

#include "field_descriptor.h"
#include "item_kind.h"

// Every member of the kind's item type in memory order, with its column in the kind's section
// or none. Favourite and disliked kinds of one shared type list the same members.
std::span<const field_descriptor> item_fields(item_kind kind);
