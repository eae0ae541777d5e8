#include "analysis_views/reputation_guide_view.h"

#include <QLabel>

#include "analysis/reputation_guide.h"
#include "platform/win1252.h"
#include "record_form/dependent_controls.h"
#include "record_form/form_controls.h"
#include "records/lookup_lists.h"

void load_club_bands() {
  set_club_bands(read_club_bands(lookups().club_div_rep_q));
}

void reputation_range_guide(const qor_staff* staff, form_controls& form) {
  auto* label = form.get<QLabel>("wr_range_label");
  if (staff == nullptr || label == nullptr)
    return;
  label->setText(from_win1252(reputation_range_for(*staff, store().staff_list, club_bands())));
}

void install_reputation_guide(form_controls& form) {
  form_views().reputation_range_guide = [&form](qor_staff* staff) {
    reputation_range_guide(staff, form);
  };
}
