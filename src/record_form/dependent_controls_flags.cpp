#include <QAbstractButton>
#include <string_view>

#include "platform/dialog_service.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"

namespace {

QAbstractButton* box_named(form_controls& controls, const char* name) {
  return controls.get<QAbstractButton>(name);
}

void untick(form_controls& controls, const char* name) {
  if (QAbstractButton* box = box_named(controls, name))
    box->setChecked(false);
}

// The clicked box unticks one partner when it is ticked and the other in any case.
struct exclusive_box {
  const char* clicked;
  const char* unticked_when_ticked;
  const char* unticked_always;
};

void run_exclusive_rule(form_controls& controls, const exclusive_box& rule) {
  if (is_ticked(controls, rule.clicked))
    untick(controls, rule.unticked_when_ticked);
  if (rule.unticked_always != nullptr)
    untick(controls, rule.unticked_always);
}

constexpr const char* first_declared = "staff_nation_declared";
constexpr const char* second_declared = "staff_second_nation_declared";
constexpr const char* third_declared = "staff_third_nation_declared";

// A flag that changes what becomes of the record is ticked only on a clear Yes. The question
// that marks the record for deletion is asked so that Enter answers No.
using question_asker = dialog_answer (*)(std::string_view, message_buttons);

void confirm_ticked_flag(form_controls& controls, const char* name, std::string_view question,
                         question_asker ask) {
  if (editor().filling_controls || !is_ticked(controls, name))
    return;
  if (ask(question, message_buttons::yes_no_cancel) != dialog_answer::yes)
    untick(controls, name);
}

}  // namespace

void staff_permanent_injuryClick(form_controls& controls) {
  run_exclusive_rule(controls,
                     {"staff_permanent_injury", "staff_future_permanent_injury", nullptr});
}

void staff_future_permanent_injuryClick(form_controls& controls) {
  run_exclusive_rule(controls,
                     {"staff_future_permanent_injury", "staff_permanent_injury", nullptr});
}

void staff_nation_declaredClick(form_controls& controls) {
  run_exclusive_rule(controls, {first_declared, second_declared, third_declared});
}

void staff_second_nation_declaredClick(form_controls& controls) {
  run_exclusive_rule(controls, {second_declared, first_declared, third_declared});
}

void staff_third_nation_declaredClick(form_controls& controls) {
  run_exclusive_rule(controls, {third_declared, first_declared, second_declared});
}

void staff_marked_for_deletionClick(form_controls& controls) {
  confirm_ticked_flag(controls, "staff_marked_for_deletion",
                      "Are you sure want to mark this player for deletion?", ask_before_destroying);
}

void staff_not_for_extractionClick(form_controls& controls) {
  confirm_ticked_flag(controls, "staff_not_for_extraction",
                      "Are you sure want to mark this player as 'not for extraction'?",
                      ask_confirmation);
}

void staff_femaleClick(form_controls& controls) {
  confirm_ticked_flag(controls, "staff_female",
                      "Are you sure want to mark this player as 'female'?", ask_confirmation);
}
