#pragma once

#include <cstdint>
#include <functional>
#include <span>

class QLineEdit;
class form_controls;

// The rules that tie the contract, loan, future-transfer and money fields together. None of
// them writes into the staff record: they change controls, and the values reach the record at
// the next commit.

// What the contract rules use of the contract clause list of the staff member on screen.
struct contract_clause_actions {
  // Asks whether to delete the clauses shown and does so on Yes.
  std::function<void()> delete_contract_clauses;
  // The staff member's "next sale percentage" clauses (type 9), and their deletion.
  std::function<int(std::int32_t staff_id)> count_next_sale_percentage_clauses;
  std::function<void(std::int32_t staff_id)> delete_next_sale_percentage_clauses;
};

// The state the contract rules keep between events.
struct contract_field_state {
  // Set by the user's change of the contracted club; read and cleared when it is left.
  bool contracted_club_changed = false;
  // The tag the loan or future-transfer club combo had before the user entered it; meanwhile
  // its tag marks the visit: 4 entered, 5 changed once.
  int saved_combo_tag = 0;
  contract_clause_actions clause_actions;
};
contract_field_state& contract_fields();

inline constexpr int combo_visit_entered_tag = 4;
inline constexpr int combo_visit_changed_tag = 5;

// ---- Contract boxes (run on every change of the box, the program's too) ----

// Ticked: the club contract panel is enabled. Unticked by the user: after OK to the question
// the panel is disabled and the club contract fields reset; Cancel ticks the box again.
// Unticked by the program: the panel is only disabled.
void radiobutton_staff_club_contractClick(form_controls& controls);
// The same question and reset for the nation contract; its panel is never disabled here.
void radiobutton_staff_nation_contractClick(form_controls& controls);
// The MLS panel follows its box.
void radiobutton_staff_club_contract_mls_specificClick(form_controls& controls);

// ---- Contracted club ----

void staff_club_contractedChange(form_controls& controls);
// Offers to clear what the old club's contract left behind: squad number and contract details
// after a change of club (players only), the other contract fields when no club is set, the
// loan, the contract clauses and the next-sale clauses. Always lets the focus go.
bool staff_club_contractedExit(form_controls& controls);

// ---- Loan and future-transfer clubs: one question per visit, at the first change ----

void staff_club_loan_toEnter(form_controls& controls);
void staff_club_loan_toChange(form_controls& controls);
bool staff_club_loan_toExit(form_controls& controls);
void staff_club_future_transferEnter(form_controls& controls);
void staff_club_future_transferChange(form_controls& controls);

// ---- Clearing routines: ask first, change nothing unless the answer is Yes ----

void clear_all_loan_fields(form_controls& controls);
void clear_loan_fields(form_controls& controls);
void clear_future_transfer_fields(form_controls& controls);

// Warns when the option to buy is ticked without a fee to buy; not while a record is shown.
void staff_club_loan_buy_optionClick(form_controls& controls);

// ---- Money edits ----

// Leaving a money edit: an empty text or a whole amount 0..999999999, shown again with
// thousands separators.
bool currency_field_exit(QLineEdit* sender);

// Entering an edit of a wage triplet, before its thousands separators are taken out: what it
// shows is kept, so that leaving it unchanged changes nothing. An amount the program writes into
// it while the user is in it (a record shown, Add staff, a conversion) takes its place: only the
// user's typing counts.
void wage_field_enter(QLineEdit* sender);
// Leaving an edit of a wage triplet: an amount the user typed since entering it (thousands
// separators allowed) drives the other two; emptying it empties them. An amount whose derived
// amounts would pass 999999999 is refused with the range the triplet allows for that edit. An
// edit left as it was entered shows what it showed then, and the other two stay as they are, so
// that passing through a derived amount never drives the rest from it (a monthly 21,740 would
// give a weekly 4,999 for a typed 5,000). False for an edit of no triplet.
bool wage_field_exit(QLineEdit* sender, form_controls& controls);
// The names of the six wage edits.
std::span<const char* const> wage_edit_names();
