#pragma once

#include <QColor>
#include <optional>

class form_controls;

// The colours of an item's entry in its list box or grid row, by the item's state against its
// as-exported original.
enum class item_entry_state {
  unchanged,
  marked,   // marked for deletion ("true" in any letter case), whatever else holds
  added,    // made in the editor: no original
  changed,  // differs from its original
};

struct item_entry_colours {
  QColor text;
  // Behind the text only; none keeps the entry's own fill (highlight or window colour).
  std::optional<QColor> background;
};

// `grid`: a grid row rather than a list box entry (a changed exported item shows differently).
item_entry_colours entry_colours_of(item_entry_state state, bool selected, bool grid);

// Binds the drawing of every item list box entry and grid cell in these colours.
void install_item_entry_colours(form_controls& form);
