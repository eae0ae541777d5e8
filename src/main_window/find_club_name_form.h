#pragma once

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The club picker: the user types part of a club's name and picks one of the matching lines of
// its own copy of the club list, read once when the picker is created.
class Tfrm_find_club_name : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_find_club_name(QWidget* owner = nullptr);
  ~Tfrm_find_club_name() override;

  // Empties the filter, the list and the choice, then lists every club.
  void reset_for_opening();
  // The club id picked since the last opening; below 1 when none was.
  std::int32_t chosen_club_id() const { return chosen_club_id_; }

  void filter_edit_boxChange();
  void ok_btnClick();
  void club_name_list_boxDblClick();
  void cancel_btnClick();

  QLabel* Label1 = nullptr;
  QLineEdit* filter_edit_box = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* result_count = nullptr;
  QListWidget* club_name_list_box = nullptr;
  QPushButton* ok_btn = nullptr;
  QPushButton* cancel_btn = nullptr;

 private:
  void build_layout();
  // Takes the code of the selected line and closes; false when no line is selected.
  bool pick_selected_line();

  std::int32_t chosen_club_id_ = 0;
  std::vector<std::string> club_lines_;  // Windows-1252, as the file holds them
  std::int32_t listed_count_ = 0;
  std::vector<std::size_t> listed_lines_;  // the club line behind each row of the list box
};

// The one picker of the program, created by the program entry after the main window; null
// before that and after the picker is destroyed.
extern Tfrm_find_club_name* frm_find_club_name;

// Opens the picker modally and returns the chosen club id; below 1 when nothing was picked
// (also when there is no picker).
std::int32_t execute_find_club_name(Tfrm_find_club_name* picker);
