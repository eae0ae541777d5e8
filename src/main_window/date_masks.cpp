#include "main_window/date_masks.h"

#include <QLineEdit>
#include <string>

#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "records/dates.h"

namespace {

constexpr const char* date_edits[] = {
    "staff_date_of_birth",
    "staff_club_date_joined",
    "staff_club_signed_last_contract",
    "staff_club_contract_expires",
    "staff_nation_date_joined",
    "staff_nation_contract_expires",
    "staff_club_loan_from",
    "staff_club_loan_until",
    "staff_club_date_of_future_transfer",
    "staff_club_date_of_future_transfer_contract_end",
    "staff_injury_from",
    "staff_injury_until",
    "staff_history_date_joined",
    "staff_history_date_departed",
    "staff_deceased_date",
    "staff_mls_rights_expiration_date",
    "staff_non_player_history_date_joined",
    "staff_non_player_history_date_departed",
    "staff_injury_injured_from",
    "staff_injury_injured_to",
    "staff_international_full_debut_date",
    "staff_international_first_goal_date",
    "staff_retirement_date",
    "staff_contract_extension_end_date",
    "staff_mls_discovery_player",
    "staff_achievements_date",
    "staff_unavailability_date_from",
    "staff_unavailability_date_to",
};

// These two keep the hint they were built with.
bool keeps_its_hint(std::string_view name) {
  return name == "staff_unavailability_date_from" || name == "staff_unavailability_date_to";
}

}  // namespace

std::span<const char* const> date_edit_names() {
  return date_edits;
}

QString qt_date_mask(std::string_view mask, char separator) {
  const std::string_view places = mask.substr(0, mask.find(';'));
  if (places.empty())
    return {};
  QString qt_mask;
  for (const char place : places) {
    if (place == '!')  // leading blanks are how a Qt mask keeps unfilled places anyway
      continue;
    if (place == '/')
      qt_mask += QChar::fromLatin1(separator);
    else
      qt_mask += QChar::fromLatin1(place);
  }
  return qt_mask + QStringLiteral("; ");
}

std::vector<std::string_view> apply_date_format_to_masks(form_controls& controls,
                                                         std::string_view order, char separator) {
  std::vector<std::string_view> missing;
  const QString mask = qt_date_mask(date_mask_for_order(order), separator);
  if (mask.isEmpty())
    return missing;
  const QString hint = from_win1252(date_hint_for_order(order, separator));
  for (const char* name : date_edits) {
    auto* edit = controls.get<QLineEdit>(name);
    if (!edit) {
      missing.push_back(name);
      continue;
    }
    // A program change of the mask is no edit of the user's.
    const QSignalBlocker quiet(edit);
    edit->setInputMask(mask);
    if (!keeps_its_hint(name))
      edit->setToolTip(hint);
  }
  return missing;
}
