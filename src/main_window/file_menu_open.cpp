#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSplitter>

#include "ability/position_weightings.h"
#include "analysis_views/analysis_pages.h"
#include "main_window/main_window.h"

#include "analysis_views/analysis_pages.h"
#include "main_window/window_load_observer.h"
#include "platform/app_locale.h"
#include "platform/dialog_service.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/pending_layouts.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/last_error.h"
#include "records/record_store.h"
#include "records/staff_reader.h"
#include "sub_records/item_list_edits.h"

namespace {

// Sets the wait cursor for the whole application while it lives.
class wait_cursor {
 public:
  wait_cursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~wait_cursor() { QApplication::restoreOverrideCursor(); }
  wait_cursor(const wait_cursor&) = delete;
  wait_cursor& operator=(const wait_cursor&) = delete;
};

// The analysis panes that belong to the file before: lists emptied, totals back to "0". They
// are looked for under the analysis page alone, not among the thousand controls of the record
// pages.
constexpr const char* analysis_lists[] = {"analysis_list_box", "avgs_staff_evaluated_list_box"};
constexpr const char* analysis_zero_edits[] = {"avgs_amount_of_staff"};
constexpr const char* analysis_zero_labels[] = {"avgs_total_value", "avgs_staff_evaluated",
                                                "avgs_average"};

// A page of a page control found by name under `parent`; nothing happens when either is not
// built.
void show_page_by_name(const QWidget& parent, const char* control, const char* page) {
  auto* pages = parent.findChild<page_control*>(control);
  auto* sheet = parent.findChild<QWidget*>(page);
  if (pages && sheet && pages->indexOf(sheet) >= 0)
    pages->set_active_page_index(pages->indexOf(sheet));
}

}  // namespace

void Tfrm_main::menu_openClick() {
  // Typed edits reach the record only when the pages are committed: commit first, so that
  // the question below knows about them.
  if (!commit_edits())
    return;
  if (editor().data_modified) {
    switch (ask_confirmation("Do you want to save changes?", message_buttons::yes_no_cancel)) {
      case dialog_answer::yes:
        if (!write_whole_store(open_file_name_))
          return;
        break;
      case dialog_answer::no:
        break;
      default:
        return;
    }
  }

  const QString path = dialogs().open_file(
      {QStringLiteral("Open"), QStringLiteral("Exported database staff file (*.staff)"),
       open_dialog_folder_, open_dialog_file_name_});
  if (path.isEmpty())
    return;
  const QFileInfo chosen(path);
  open_dialog_folder_ = chosen.absolutePath();
  open_dialog_file_name_ = chosen.fileName();

  menu_save->setEnabled(false);
  menu_save_as->setEnabled(false);
  set_edit_menu_enabled(false);
  bool loaded = false;
  {
    const wait_cursor waiting;
    window_load_observer observer(*this);
    loaded = load_data(QFile::encodeName(path).toStdString(), load_context{app_locale(), observer});
  }
  if (!loaded) {
    show_error(get_last_error());
    // The reader keeps the data set it had, so the file before stays open and editable, and
    // Save still writes to it rather than to the file that failed.
    const bool previous_file = editor().data_loaded;
    menu_save->setEnabled(previous_file);
    menu_save_as->setEnabled(previous_file);
    set_edit_menu_enabled(previous_file);
    return;
  }
  show_opened_file(path);
}

void Tfrm_main::show_opened_file(const QString& path) {
  // The records of the file before are gone: nothing may point at them any more.
  editor().current_staff = nullptr;
  editor().original_staff = nullptr;
  editor().current_staff_index = -1;
  forget_item_lists(controls_);
  list_box->clear();
  open_file_name_ = path;

  if (const std::optional<std::string> warning =
          reload_weightings([](const std::string& message) { show_error(message); }))
    show_warning(*warning);

  menu_save->setEnabled(true);
  menu_save_as->setEnabled(true);
  set_edit_menu_enabled(true);

  for (const char* name : analysis_lists) {
    if (auto* list = analysis_tab->findChild<QListWidget*>(name))
      list->clear();
  }
  if (auto* combo = analysis_tab->findChild<QComboBox*>("avg_attribute_var"))
    combo->setCurrentIndex(-1);
  for (const char* name : analysis_zero_edits) {
    if (auto* edit = analysis_tab->findChild<QLineEdit*>(name))
      edit->setText(QStringLiteral("0"));
  }
  for (const char* name : analysis_zero_labels) {
    if (auto* label = analysis_tab->findChild<QLabel*>(name))
      label->setText(QStringLiteral("0"));
  }

  // The staff list and the record pages come back from the loading view.
  list_box->show();
  Splitter1->setHandleWidth(3);
  pc_staff->show();
  pc_staff->set_active_page_index(0);
  main_page_control->show();

  reset_staff_list_sorting();
  fill_sorted_staff_list(list_box, store().staff_list, 1, 0, false);
  label_staff->setText(from_win1252(std::string(file_data().file_title.view()) + " Staff"));
  editor().data_loaded = true;
  set_status_panel(1, from_win1252(" Editing ") + path);
  set_status_panel(2, QString());
  if (auto* sorted_by = controls_.get<QLabel>("currently_sorted_by_label"))
    sorted_by->setText(QString());
  if (auto* sort_by = find_combo("sort_by_attribute"))
    sort_by->setCurrentIndex(sort_by->count() > 0 ? 0 : -1);

  if (list_box->count() > 0) {
    list_box->set_item_index(0);
    list_boxClick();
    list_box->setFocus();
    set_staff_panel_enabled(true);
  } else {
    set_staff_panel_enabled(false);
  }

  analysis_pages_->refresh();
  main_page_control->set_active_page_index(main_page_control->indexOf(analysis_tab));
  analysis_control->set_active_page_index(analysis_control->indexOf(counts_tab_sheet));
  show_page_by_name(*analysis_tab, "counts_page", "general_counts_tab_sheet");
  editor().data_modified = false;
  // The list, the pages and the analysis panes all changed: one layout, then one drawing.
  lay_out_pending_widgets();
}

void Tfrm_main::set_staff_panel_enabled(bool enabled) {
  // The pictures stay as they are, since a disabled picture would be drawn greyed out.
  for (QWidget* child : panel_staff->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child != bg_image && child != bg_loading_image && child != loading_label &&
        child != ProgressBar1)
      child->setEnabled(enabled);
  }
  // The record pages were built disabled on their own, so enabling their parent is not enough.
  pc_staff->setEnabled(enabled);
}

void Tfrm_main::build_loading_view() {
  if (bg_loading_image->pixmap().isNull())
    bg_loading_image->setPixmap(bg_image->pixmap());
  // Both lie over the staff panel outside its layout; centre_progress_bar places the bar.
  loading_label = new QLabel(panel_staff);
  loading_label->setObjectName("loading_label");
  loading_label->setAlignment(Qt::AlignCenter);
  loading_label->hide();
  ProgressBar1 = new QProgressBar(panel_staff);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->hide();
}

void Tfrm_main::centre_progress_bar() {
  const int width = panel_staff->width();
  const int height = panel_staff->height();
  const int bar_height = height / 50;
  ProgressBar1->setGeometry(width / 4, height / 2 - bar_height / 2, width / 2, bar_height);
  // The path being read stands just above the bar.
  const int label_height = loading_label->sizeHint().height();
  loading_label->setGeometry(0, ProgressBar1->y() - label_height - 4, width, label_height);
}
