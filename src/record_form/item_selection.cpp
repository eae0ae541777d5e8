#include "record_form/item_selection.h"

#include <utility>

namespace {

template <std::size_t... Kinds>
void clear_all(std::index_sequence<Kinds...>) {
  ((selected_item<static_cast<item_kind>(Kinds)>() = {}), ...);
}

}  // namespace

void clear_item_selections() {
  clear_all(std::make_index_sequence<item_kind_count>());
}
