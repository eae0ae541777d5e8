#include "record_form/contract_fields_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "platform/dialog_service.h"
#include "record_form/binding_support.h"
#include "record_form/control_binding.h"
#include "record_form/field_validation.h"
#include "record_form/form_controls.h"

bool answered_yes(std::string_view question) {
  return ask_before_destroying(question, message_buttons::yes_no) == dialog_answer::yes;
}

void set_edit_texts(form_controls& controls, std::initializer_list<const char*> names,
                    std::string_view text) {
  for (const char* name : names) {
    if (auto* edit = controls.get<QLineEdit>(name)) {
      edit->setText(display_text(text));
      clear_unshown(edit);
    }
  }
}

void clear_date_edits(form_controls& controls, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (auto* edit = controls.get<QLineEdit>(name)) {
      clear_date_edit(edit);
      clear_unshown(edit);
    }
  }
}

void select_first_items(form_controls& controls, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (auto* combo = controls.get<QComboBox>(name))
      set_combo_index_direct(combo, 0);
  }
}

void untick_boxes(form_controls& controls, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (auto* box = controls.get<QAbstractButton>(name))
      box->setChecked(false);
  }
}
