#include "record_form/staff_page_visibility.h"

#include <QTabWidget>

#include "platform/page_control.h"
#include "record_form/binding_support.h"
#include "record_form/form_controls.h"
#include "records/staff_record.h"

namespace {

enum class shown : char { no, yes, as_before };

struct classified_page {
  const char* name;
  shown non_player;  // classification 1
  shown both;        // classification 3
  shown other;       // any other, not a caretaker manager
  shown caretaker;   // any other, a caretaker manager
};

constexpr classified_page classified_pages[] = {
    {"tabsheet_staff_np1", shown::yes, shown::yes, shown::no, shown::yes},
    {"tabsheet_staff_pl1", shown::no, shown::yes, shown::as_before, shown::yes},
    {"tabsheet_staff_pl2", shown::no, shown::yes, shown::as_before, shown::yes},
    {"tabsheet_staff_pl_ppms", shown::no, shown::yes, shown::yes, shown::yes},
    {"tabsheet_staff_pl_histories", shown::yes, shown::yes, shown::yes, shown::yes},
    {"tabsheet_staff_np_histories", shown::yes, shown::yes, shown::no, shown::yes},
    {"tabsheet_staff_npt", shown::yes, shown::yes, shown::no, shown::yes},
};

constexpr const char* player_pages[] = {"tabsheet_staff_pl1", "tabsheet_staff_pl2"};

bool has_player_pages(int classification) {
  return classification == 2 || classification == 3;
}

bool has_non_player_pages(int classification) {
  return classification == 1 || classification == 3;
}

QTabWidget* record_page_control(form_controls& form) {
  return form.get<QTabWidget>("pc_staff");
}

// A change of page made by the program, which the page control neither asks about nor reports.
void make_first_page_active(QTabWidget* pages) {
  if (auto* control = qobject_cast<page_control*>(pages)) {
    control->set_active_page_index(0);
  } else {
    pages->setCurrentIndex(0);
  }
}

bool is_active_page(form_controls& form, const char* name) {
  QTabWidget* pages = record_page_control(form);
  return pages != nullptr && pages->currentWidget() != nullptr &&
         pages->currentWidget() == form.find(name);
}

}  // namespace

void set_page_visible(form_controls& form, const char* name, bool visible) {
  QTabWidget* pages = record_page_control(form);
  QWidget* page = form.find(name);
  if (pages == nullptr || page == nullptr)
    return;
  const int index = pages->indexOf(page);
  if (index < 0)
    return;
  if (!visible && pages->currentIndex() == index)
    make_first_page_active(pages);
  pages->setTabVisible(index, visible);
}

void leave_pages_staff_will_not_have(const qor_staff& record, form_controls& form) {
  QTabWidget* pages = record_page_control(form);
  if (pages == nullptr)
    return;
  if (!has_player_pages(record.StaffClassification)) {
    for (const char* name : player_pages) {
      if (is_active_page(form, name))
        make_first_page_active(pages);
    }
  }
  if (!has_non_player_pages(record.StaffClassification) &&
      is_active_page(form, "tabsheet_staff_np1")) {
    make_first_page_active(pages);
  }
}

void show_player_pages(const qor_staff& record, form_controls& form) {
  for (const char* name : player_pages)
    set_page_visible(form, name, has_player_pages(record.StaffClassification));
}

void show_pages_for_classification(const qor_staff& record, form_controls& form) {
  const bool caretaker = same_text_ignoring_case(record.StaffCaretakerManager.view(), "True");
  for (const classified_page& page : classified_pages) {
    shown rule = caretaker ? page.caretaker : page.other;
    if (record.StaffClassification == 1) {
      rule = page.non_player;
    } else if (record.StaffClassification == 3) {
      rule = page.both;
    }
    if (rule != shown::as_before)
      set_page_visible(form, page.name, rule == shown::yes);
  }
}
