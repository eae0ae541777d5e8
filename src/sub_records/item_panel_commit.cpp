#include "sub_records/item_panel_commit.h"

#include <QWidget>
#include <array>
#include <utility>

#include "record_form/binding_support.h"
#include "record_form/form_controls.h"
#include "record_form/item_details.h"
#include "sub_records/item_list_kinds.h"

namespace {

using edit_step = void (*)(form_controls&);

template <std::size_t... Kinds>
constexpr std::array<edit_step, item_kind_count> edit_steps(std::index_sequence<Kinds...>) {
  return {item_list_kind<static_cast<item_kind>(Kinds)>::process_edit...};
}

// Each kind's edit step, in item_kind order.
constexpr auto edit_step_of = edit_steps(std::make_index_sequence<item_kind_count>());

}  // namespace

void commit_focused_item_panel(form_controls& form, const QWidget* focused) {
  // A control merely passed through leaves the item as it is, as leaving it does.
  if (focused == nullptr || !user_changed_since_filled(focused))
    return;
  for (std::size_t kind = 0; kind < item_kind_count; ++kind) {
    const QWidget* panel = form.find(item_panel_name(static_cast<item_kind>(kind)));
    if (panel != nullptr && panel->isAncestorOf(focused)) {
      edit_step_of[kind](form);
      return;
    }
  }
}
