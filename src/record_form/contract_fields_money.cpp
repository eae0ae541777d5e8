#include <QLineEdit>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/control_values.h"
#include "platform/dialog_service.h"
#include "record_form/binding_support.h"
#include "record_form/contract_fields.h"
#include "record_form/contract_fields_wages.h"
#include "record_form/control_binding.h"
#include "record_form/field_validation.h"
#include "record_form/form_controls.h"
#include "record_form/form_text.h"

namespace {

struct wage_edit_role {
  wage_triplet triplet;
  wage_period period;
};

struct wage_edit {
  const char* name;
  wage_edit_role role;
};

constexpr wage_edit wage_edits[] = {
    {"staff_club_estimated_wage", {wage_triplet::current_contract, wage_period::weekly}},
    {"staff_club_estimated_wage_month", {wage_triplet::current_contract, wage_period::monthly}},
    {"staff_club_estimated_wage_year", {wage_triplet::current_contract, wage_period::yearly}},
    {"staff_future_transfer_estimated_wage", {wage_triplet::future_transfer, wage_period::weekly}},
    {"staff_future_transfer_estimated_wage_month",
     {wage_triplet::future_transfer, wage_period::monthly}},
    {"staff_future_transfer_estimated_wage_year",
     {wage_triplet::future_transfer, wage_period::yearly}},
};

constexpr auto wage_edit_name_list = [] {
  std::array<const char*, std::size(wage_edits)> names{};
  for (std::size_t i = 0; i < names.size(); ++i)
    names[i] = wage_edits[i].name;
  return names;
}();

// The edit of the same triplet that holds `period`.
QLineEdit* triplet_edit(form_controls& controls, wage_triplet triplet, wage_period period) {
  for (const wage_edit& edit : wage_edits) {
    if (edit.role.triplet == triplet && edit.role.period == period)
      return controls.get<QLineEdit>(edit.name);
  }
  return nullptr;
}

void show_amount(QLineEdit* edit, long long amount) {
  if (edit != nullptr)
    fill_money_control(edit, slot(amount), text_value_tag);
}

void show_empty(QLineEdit* edit) {
  if (edit != nullptr) {
    edit->setText(QString());
    clear_unshown(edit);
  }
}

const wage_edit_role* wage_role_of(const QLineEdit* edit) {
  if (edit == nullptr)
    return nullptr;
  const std::string name = control_name(edit);
  const auto found = std::ranges::find_if(
      wage_edits, [&](const wage_edit& candidate) { return name == candidate.name; });
  return found != std::end(wage_edits) ? &found->role : nullptr;
}

// What each wage edit showed when the user entered it, or since then when the program wrote
// another amount into it; unset before the first entry.
control_values<std::optional<QString>>& texts_at_entry() {
  static auto* const values = new control_values<std::optional<QString>>(std::nullopt);
  return *values;
}

std::string bare_amount(const QString& text) {
  return strip_thousands(widget_text(text), current_formats().thousands_separator);
}

// Set while an exit writes the sender's typed amount back without its separators.
bool rewriting_typed_amount = false;

// An amount the program writes into an edit that has the focus (a record shown, Add staff, a
// conversion) is no typing: it is what the user's typing counts from. The user's own change has
// marked the edit modified by the time its text change is announced; the program's has not.
void count_typing_from_refills(QLineEdit* edit) {
  constexpr const char* watched = "wage_refills_watched";
  if (edit->property(watched).toBool())
    return;
  edit->setProperty(watched, true);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
    if (edit->isModified() || rewriting_typed_amount)
      return;
    const std::optional<QString> entered = texts_at_entry().get(edit);
    if (entered && bare_amount(*entered) != bare_amount(text))
      texts_at_entry().set(edit, text);
  });
}

// The user changed the amount since entering the edit; an edit never entered counts as changed.
bool typed_since_entry(const QLineEdit* sender, std::string_view bare) {
  const std::optional<QString> entered = texts_at_entry().get(sender);
  return !entered || bare_amount(*entered) != bare;
}

}  // namespace

bool currency_field_exit(QLineEdit* sender) {
  if (!validate_int_range_blank(sender, 0, static_cast<int>(max_money_amount)))
    return false;
  const std::string text = widget_text(sender->text());
  if (text.empty())
    return true;
  const std::optional<long long> amount = read_whole_number(text);
  if (!amount) {
    show_error("Not an integer.");
    sender->setFocus();
    return false;
  }
  // Regrouped as the same amount: an edit still standing for a stored amount goes on doing so.
  sender->setText(display_text(money_text(*amount, current_formats().thousands_separator)));
  return true;
}

std::span<const char* const> wage_edit_names() {
  return wage_edit_name_list;
}

void wage_field_enter(QLineEdit* sender) {
  texts_at_entry().set(sender, sender->text());
  count_typing_from_refills(sender);
}

bool wage_field_exit(QLineEdit* sender, form_controls& controls) {
  const wage_edit_role* role = wage_role_of(sender);
  if (role == nullptr)
    return false;
  const std::string bare = bare_amount(sender->text());
  if (!typed_since_entry(sender, bare)) {
    sender->setText(*texts_at_entry().get(sender));
    return true;
  }
  rewriting_typed_amount = true;
  sender->setText(display_text(bare));
  rewriting_typed_amount = false;
  // Beyond this amount a derived one would pass the largest amount an edit holds.
  const long long largest = largest_convertible_wage(role->triplet, role->period);
  if (!validate_int_range_blank(sender, 0, static_cast<int>(largest)))
    return false;
  const wage_period periods[] = {wage_period::weekly, wage_period::monthly, wage_period::yearly};
  if (bare.empty()) {
    for (wage_period period : periods) {
      if (period != role->period)
        show_empty(triplet_edit(controls, role->triplet, period));
    }
    wage_field_enter(sender);
    return true;
  }
  const std::optional<long long> typed = read_whole_number(bare);
  const std::optional<wage_amounts> amounts =
      typed ? convert_wage(role->triplet, role->period, *typed) : std::nullopt;
  if (!amounts)
    return false;
  show_amount(triplet_edit(controls, role->triplet, wage_period::weekly), amounts->weekly);
  show_amount(triplet_edit(controls, role->triplet, wage_period::monthly), amounts->monthly);
  show_amount(triplet_edit(controls, role->triplet, wage_period::yearly), amounts->yearly);
  // A later exit without typing (a command's check before the focus moves) drives nothing again.
  wage_field_enter(sender);
  return true;
}
