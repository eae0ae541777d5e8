#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringView>
#include <array>
#include <memory>

#include "record_form/form_controls.h"
#include "records/record_store.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QPainter;
class QPushButton;
class QRect;
class QProgressBar;
class QScrollArea;
class QSplitter;
class analysis_pages;
class focus_tracker;
class owner_drawn_list_view;
class page_control;

// The direction fill_sorted_staff_list sorts the staff vector in: false (0) ascending, true (1)
// descending, or not at all.
inline constexpr int staff_list_unsorted = -1;

// Append an entry for the record, with its name text folded to plain letters; return the
// entry's index.
int add_staff_to_list(owner_drawn_list_view* list, const qor_staff* staff);

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

  // File menu.
  void menu_openClick();
  void menu_saveClick();
  void menu_save_asClick();
  void menu_exitClick();
  // Edit menu; menu_newClick is also the staff list's Insert key.
  void menu_newClick();
  void menu_cutClick();
  void menu_copyClick();
  void menu_pasteClick();
  void menu_deleteClick();
  // Focus events of list_box: the clipboard items are off while the list has the focus.
  void list_boxEnter();
  void list_boxExit();
  void menu_aboutClick();
  // Tools > Error Checking: the error-check options popup.
  void menu_error_checkingClick();
  // Find, Find again and Delete item are not implemented.
  void menu_not_implementedClick();

  // Edit > Add staff.., Cut, Copy, Paste and Delete act only while the Edit menu is enabled.
  void set_edit_menu_enabled(bool enabled);

  // Sizes ProgressBar1 on panel_staff: half its width, centred, a fiftieth of its height.
  void centre_progress_bar();

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
  owner_drawn_list_view* list_box = nullptr;
  QSplitter* Splitter1 = nullptr;
  QWidget* panel_staff = nullptr;
  QLabel* bg_image = nullptr;
  QLabel* bg_loading_image = nullptr;
  QLabel* loading_label = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
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

  // Staff list (staff_list.cpp). Entries carry their records; the list never owns them.
  // Refills the list in vector order, then lets the list keep its entries in text order.
  void fill_staff_list(owner_drawn_list_view* list, record_vector<qor_staff>& staff);
  // Refills the list in the vector's order, after sorting the vector itself unless `direction`
  // is staff_list_unsorted; with `with_attribute` every entry shows the attribute's value.
  void fill_sorted_staff_list(owner_drawn_list_view* list, record_vector<qor_staff>& staff,
                              int attribute, int direction, bool with_attribute);
  // Commits the record left and shows the record of the selected entry.
  void list_boxClick();
  void list_boxDblClick();
  void list_boxDrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
  void list_boxMeasureItem(int index, int& height);
  // The width the drawing of an entry with the text takes, whichever marker it carries.
  int list_box_entry_width(QStringView text) const;
  void list_boxKeyDown(int key);
  // Record pages cannot be changed while the form is being filled.
  void pc_staffChanging(bool& AllowChange);
  // A record page the user has turned to: the check list refreshes when it is the one.
  void pc_staffChange();
  // Leaving the "Staff" page commits the record and refreshes the analysis pages.
  void main_page_controlChanging(bool& AllowChange);

  // Sort controls at the foot of the staff tab (sort_controls.cpp).
  void sort_by_attributeChange();
  void sort_asc_btnClick();
  void sort_desc_btnClick();
  QComboBox* sort_by_attribute = nullptr;
  QPushButton* sort_asc_btn = nullptr;
  QPushButton* sort_desc_btn = nullptr;
  QLabel* currently_sorted_by_label = nullptr;
  // The attribute whose values the entries show; the flags say whether they show them.
  int sort_attribute = -1;
  bool list_sorted = false;
  bool list_shows_attribute = false;
  // Opening a file lists names alone again: clears list_sorted and list_shows_attribute.
  void reset_staff_list_sorting();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_layout();
  void build_status_bar();
  void build_main_menu();
  // The loading label and progress bar, lying over the staff panel while a file is read.
  void build_loading_view();
  void fill_choice_lists_and_lookups();
  // Polishes and lays out the hidden record pages during the first show.
  void lay_out_pages_once();
  QComboBox* find_combo(std::string_view name) const;
  // What every command that leaves the record or writes the file commits first: the focused
  // control's exit check runs (false, committing nothing, when it refuses), then the item the
  // focused detail panel shows and the record pages' fields are committed.
  bool commit_edits();
  // The commit alone: the focused detail panel into its item, the record pages into
  // current_staff (nothing when no record is shown).
  void commit_edited_record();
  // The record switch's way out of current_staff: the focused control's exit check, then the
  // leave checks, then the commit and the entry's new label. False when the user stays.
  bool leave_current_staff();
  // Writes the whole store to `path` for Save and Save as: a failure shows the last error, a
  // failed backup copy shows its warning. True when the file was written.
  bool write_whole_store(const QString& path);
  // After a successful read: the list, the first record, the analysis panes and the menus.
  void show_opened_file(const QString& path);
  // Enables or disables what lies inside panel_staff, except the pictures and loading view.
  void set_staff_panel_enabled(bool enabled);

  // The staff id line and the sort panel of the staff tab, and the staff list's handlers.
  void build_sort_panel();
  void connect_staff_list();
  // The pages of the "Analysis" page, and what they ask of the window.
  void build_analysis_pages();
  // The entry whose record is `staff`; -1 when none. Positions change with every sort.
  int staff_entry_index(const qor_staff* staff) const;
  // Gives the entry of a record the user has just left its name (and attribute) text again.
  void relabel_staff_entry(const qor_staff* staff);
  // Shows current_staff in the record pages and everything that depends on it.
  void show_current_staff();
  void sort_staff_list(bool descending);

  form_controls controls_;
  std::unique_ptr<focus_tracker> focus_;
  std::unique_ptr<analysis_pages> analysis_pages_;
  QScrollArea* form_scroll_area_ = nullptr;
  std::array<QLabel*, 3> status_panels_{};
  QActionGroup* edit_actions_ = nullptr;
  QString open_file_name_ = "*.staff";
  // Where the open dialog was last pointed; kept apart from open_file_name_ so that a file that
  // failed to open never becomes the file that Save writes to.
  QString open_dialog_folder_;
  QString open_dialog_file_name_ = "*.staff";
  bool lookup_files_complete_ = true;
  bool shown_once_ = false;
};
