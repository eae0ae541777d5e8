// The read-only figures of the record pages and the analysis counts, the weighted values,
// abilities, ages and counts worked out from other fields, look read-only, so that no one takes
// them for fields to type in.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <string>
#include <vector>

#include "file_menu_test_support.h"
#include "platform/page_control.h"
#include "records/record_store.h"

namespace {

using read_only_look = file_menu_test;

// Read in the active colours: a disabled edit shows the window colour whatever it is.
bool looks_read_only(const QLineEdit* edit) {
  const QPalette& palette = edit->palette();
  return palette.color(QPalette::Active, QPalette::Base) ==
         palette.color(QPalette::Active, QPalette::Window);
}

// What the edit shows near its right end, inside its frame, where no digit stands.
QColor background_shown(QLineEdit* edit) {
  const QImage image = edit->grab().toImage();
  return image.pixelColor(image.width() - 5, image.height() / 2);
}

TEST_F(read_only_look, figures_look_read_only_and_fields_typed_into_do_not) {
  open_through_menu(copy_to_folder(fixture_file("every_section.staff")));
  for (const auto& staff : store().staff_list) {
    if (staff->StaffClassification == 2) {
      select_staff(staff->StaffID);
      break;
    }
  }
  std::vector<std::string> figures;
  for (const QLineEdit* edit : window.pc_staff->findChildren<QLineEdit*>()) {
    const std::string name = edit->objectName().toStdString();
    EXPECT_EQ(looks_read_only(edit), edit->isReadOnly()) << name;
    if (edit->isReadOnly()) {
      figures.push_back(name);
      EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus) << name;
    }
  }
  // The analysis counts are figures too.
  int counts = 0;
  for (const QLineEdit* edit : window.analysis_tab->findChildren<QLineEdit*>()) {
    if (edit->isReadOnly()) {
      ++counts;
      EXPECT_TRUE(looks_read_only(edit)) << edit->objectName().toStdString();
    }
  }
  EXPECT_GT(counts, 0);
  for (const char* figure :
       {"staff_age", "staff_years_left_contract", "staff_pl_expected_potential_ability",
        "staff_pl_recommended_current_ability_b", "staff_pl_pace_w", "staff_pl_reflexes_w"}) {
    EXPECT_NE(std::find(figures.begin(), figures.end(), figure), figures.end()) << figure;
  }

  // On screen: the recommended ability shows the window colour, the attribute beside it the
  // colour of a field to type in.
  window.pc_staff->setCurrentWidget(window.controls().find("tabsheet_staff_pl2"));
  QApplication::processEvents();
  QLineEdit* recommended = edit("staff_pl_recommended_current_ability_b");
  QLineEdit* pace = edit("staff_pl_pace");
  ASSERT_TRUE(recommended->isVisible());
  ASSERT_TRUE(pace->isVisible());
  const QPalette& colours = window.palette();
  EXPECT_NE(colours.color(QPalette::Window), colours.color(QPalette::Base));
  EXPECT_EQ(background_shown(recommended), colours.color(QPalette::Window));
  EXPECT_EQ(background_shown(pace), colours.color(QPalette::Base));
}

// A palette change, as a change of theme, reaches the figures: they take the new window colour.
TEST_F(read_only_look, figures_follow_a_change_of_colours) {
  QPalette dark = window.palette();
  dark.setColor(QPalette::Window, QColor(40, 44, 52));
  dark.setColor(QPalette::Base, QColor(20, 22, 26));
  window.setPalette(dark);
  QLineEdit* age = edit("staff_age");
  EXPECT_EQ(age->palette().color(QPalette::Base), QColor(40, 44, 52));
  EXPECT_EQ(edit("staff_first_name")->palette().color(QPalette::Base), QColor(20, 22, 26));
}

}  // namespace
