#include "record_form/field_handlers.h"

#include "platform/focus_tracker.h"
#include "record_form/field_validation.h"
#include "record_form/form_controls.h"
#include "record_form/page_table.h"

void install_field_handlers(form_controls& controls, focus_tracker& focus,
                            help_panel_setter set_help) {
  install_field_handlers(controls, focus, std::move(set_help), field_pages());
}

void install_field_handlers(form_controls& controls, focus_tracker& focus,
                            help_panel_setter set_help, std::span<const page_spec> pages) {
  for (const page_spec& page : pages) {
    for (const control_spec& row : page.controls) {
      QWidget* control = row.name != nullptr ? controls.find(row.name) : nullptr;
      if (control == nullptr)
        continue;
      if (has_enter_action(row)) {
        focus.set_enter_handler(control,
                                [control, &row, set_help] { enter_field(control, row, set_help); });
      }
      if (row.check != check_kind::none)
        focus.set_exit_handler(control, [control, &row] { return validate_field(control, row); });
      else if (blanks_help_on_exit(row.name))
        focus.set_exit_handler(control, [set_help] {
          set_help(QString());
          return true;
        });
    }
  }
}
