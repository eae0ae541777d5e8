#include "record_form/field_help.h"

#include <QLineEdit>
#include <vector>

#include "platform/win1252.h"
#include "record_form/binding_support.h"
#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "record_form/page_table.h"
#include "record_form/pages/page_specs.h"
#include "record_form/record_pages.h"

namespace {

constexpr std::string_view help_blanking_exits[] = {"sort_asc_btn", "sort_desc_btn"};

}  // namespace

std::span<const page_spec> field_pages() {
  static const std::vector<page_spec> pages = [] {
    std::vector<page_spec> all(record_page_specs().begin(), record_page_specs().end());
    all.push_back(staff_tab_page());
    return all;
  }();
  return pages;
}

const char* field_help_text(std::string_view control_name) {
  for (const page_spec& page : field_pages()) {
    for (const control_spec& row : page.controls) {
      if (row.name != nullptr && control_name == row.name)
        return row.help;
    }
  }
  return nullptr;
}

bool has_enter_action(const control_spec& row) {
  return row.help != nullptr || (row.flags & flag_money) != 0;
}

void enter_field(QWidget* control, const control_spec& row, const help_panel_setter& set_help) {
  if (row.help != nullptr)
    set_help(from_win1252(row.help));
  if ((row.flags & flag_money) == 0)
    return;
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    const std::string text = widget_text(edit->text());
    const std::string bare = strip_thousands(text, current_formats().thousands_separator);
    if (bare != text)
      edit->setText(display_text(bare));
  }
}

bool blanks_help_on_exit(std::string_view control_name) {
  for (const std::string_view name : help_blanking_exits) {
    if (name == control_name)
      return true;
  }
  return false;
}
