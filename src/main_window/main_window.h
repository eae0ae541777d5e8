#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "record_form/form_controls.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QSplitter;
class focus_tracker;
class owner_drawn_list_box;
class page_control;

// The main window. Its components carry the names the rest of the program knows them by, and
// its handlers are named after their component and event, as the form's design has them.
class Tfrm_main : public QMainWindow {
  Q_OBJECT
 public:
  explicit Tfrm_main(QWidget* parent = nullptr);
  ~Tfrm_main() override;

  // Create event: fits the window to the screen.
  void FormCreate();
  // First show: fixed choice lists, lookup files, the empty staff list, record pages disabled.
  void FormShow();
  // Close query and close event (File > Exit and the close box both come here).
  void FormCloseQuery(bool& CanClose);
  void FormClose();

  void menu_exitClick();
  void menu_aboutClick();
  // Find, Find again and Delete item are not implemented.
  void menu_not_implementedClick();

  // Edit > Add staff.., Cut, Copy, Paste and Delete act only while the Edit menu is enabled.
  void set_edit_menu_enabled(bool enabled);

  // The three panels of the status bar: item count, file being edited, field help.
  void set_status_panel(int panel, const QString& text);
  QString status_panel(int panel) const;

  // The open dialog's file name: the file being edited, "*.staff" until one is chosen.
  const QString& open_file_name() const { return open_file_name_; }
  void set_open_file_name(const QString& name) { open_file_name_ = name; }

  // False once a lookup file was found missing; File > Open then stays disabled for the run.
  bool lookup_files_complete() const { return lookup_files_complete_; }

  form_controls& controls() { return controls_; }
  focus_tracker& focus() { return *focus_; }

  // Components.
  owner_drawn_list_box* list_box = nullptr;
  QSplitter* Splitter1 = nullptr;
  QWidget* panel_staff = nullptr;
  QLabel* bg_image = nullptr;
  QLabel* bg_loading_image = nullptr;
  page_control* main_page_control = nullptr;
  QWidget* staff_tab = nullptr;
  QLabel* label_staff = nullptr;
  page_control* pc_staff = nullptr;
  QWidget* analysis_tab = nullptr;
  page_control* analysis_control = nullptr;
  QWidget* averages_tab_sheet = nullptr;
  QWidget* counts_tab_sheet = nullptr;

  QMenu* menu_file = nullptr;
  QAction* menu_open = nullptr;
  QAction* menu_save = nullptr;
  QAction* menu_save_as = nullptr;
  QAction* menu_exit = nullptr;
  QMenu* menu_edit = nullptr;
  QAction* menu_cut = nullptr;
  QAction* menu_copy = nullptr;
  QAction* menu_paste = nullptr;
  QAction* menu_delete = nullptr;
  QAction* menu_find = nullptr;
  QAction* menu_find_again = nullptr;
  QAction* menu_new = nullptr;
  QAction* menu_delete_object = nullptr;
  QAction* menu_paste_object = nullptr;
  QMenu* menu_tools = nullptr;
  QAction* menu_error_checking = nullptr;
  QMenu* menu_help = nullptr;
  QAction* menu_about = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_layout();
  void build_status_bar();
  void build_main_menu();
  void fill_choice_lists_and_lookups();
  QComboBox* find_combo(std::string_view name) const;
  // Commits the record pages into current_staff; nothing when no record is shown.
  void commit_current_staff();
  // Writes the whole store to open_file_name(); false with the reason in the last error.
  bool save_to_open_file();

  form_controls controls_;
  std::unique_ptr<focus_tracker> focus_;
  QScrollArea* form_scroll_area_ = nullptr;
  std::array<QLabel*, 3> status_panels_{};
  QActionGroup* edit_actions_ = nullptr;
  QString open_file_name_ = "*.staff";
  bool lookup_files_complete_ = true;
  bool shown_once_ = false;
};
