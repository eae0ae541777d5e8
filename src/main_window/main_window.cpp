#include "main_window/main_window.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ability_views/ability_exits.h"
#include "analysis_views/analysis_pages.h"
#include "analysis_views/check_list_page.h"
#include "analysis_views/group_steps_form.h"
#include "analysis_views/reputation_guide_view.h"
#include "change_highlight/label_handlers.h"
#include "main_window/record_tab_bar.h"
#include "main_window/screen_fit.h"
#include "platform/focus_tracker.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/stray_alt_digits.h"
#include "platform/system_services.h"
#include "platform/win1252.h"
#include "record_form/dependent_controls_install.h"
#include "record_form/field_handlers.h"
#include "record_form/record_pages.h"
#include "records/program_paths.h"
#include "sub_records/item_entry_colours.h"
#include "sub_records/item_list_edits.h"
#include "sub_records/item_list_selection.h"
#include "sub_records/item_panel_handlers.h"

namespace {

constexpr int client_width = 1320;
constexpr int client_height = 840;

QWidget* add_page(page_control* pages, const char* name, const char* caption) {
  auto* page = new QWidget;
  page->setObjectName(name);
  pages->addTab(page, from_win1252(caption));
  return page;
}

// A picture that fills its place whatever its own size.
QLabel* make_background_picture(const char* name, QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(name);
  picture->setScaledContents(true);
  picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  return picture;
}

}  // namespace

Tfrm_main::Tfrm_main(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frm_main");
  setWindowTitle(from_win1252("Tolvan2014 Staff Editor v2.4"));
  QFont small_font = font();
  small_font.setPixelSize(11);
  setFont(small_font);
  focus_ = std::make_unique<focus_tracker>(this);
  drop_stray_alt_digits(this);
  build_layout();
  build_loading_view();
  build_status_bar();
  // Before any handler that does more than show help and check: those replace these.
  install_field_handlers(controls_, *focus_,
                         [this](const QString& text) { set_status_panel(2, text); });
  // The field rules; the views they refresh join as those are built.
  install_field_rules(controls_, *focus_,
                      {.set_help = [this](const QString& text) { set_status_panel(2, text); },
                       .clause_actions = item_list_clause_actions(controls_),
                       .views = {}});
  install_ability_views(controls_, *focus_);
  install_attribute_groups(controls_, *focus_);
  install_item_panel_handlers(controls_, *focus_,
                              [this](const QString& text) { set_status_panel(2, text); });
  install_item_list_selection(controls_);
  install_item_list_editing(controls_);
  install_item_entry_colours(controls_);
  install_label_handlers(controls_);
  install_reputation_guide(controls_);
  install_check_list(controls_);
  build_main_menu();
  // The client area excludes the menu bar, as the form's design counts it.
  resize(client_width, client_height + menuBar()->sizeHint().height());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

Tfrm_main::~Tfrm_main() = default;

void Tfrm_main::build_layout() {
  // Scroll bars show only while the window is smaller than designed (FormCreate).
  form_scroll_area_ = new QScrollArea(this);
  form_scroll_area_->setObjectName("form_scroll_area");
  form_scroll_area_->setFrameShape(QFrame::NoFrame);
  form_scroll_area_->setWidgetResizable(true);
  setCentralWidget(form_scroll_area_);

  Splitter1 = new QSplitter(Qt::Horizontal);
  Splitter1->setObjectName("Splitter1");
  Splitter1->setHandleWidth(3);
  Splitter1->setChildrenCollapsible(false);
  form_scroll_area_->setWidget(Splitter1);

  list_box = new owner_drawn_list_view;
  list_box->setObjectName("list_box");
  list_box->setMinimumWidth(30);
  list_box->setMaximumWidth(215);
  list_box->setCursor(Qt::PointingHandCursor);
  Splitter1->addWidget(list_box);

  panel_staff = new QWidget;
  panel_staff->setObjectName("panel_staff");
  Splitter1->addWidget(panel_staff);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({169, client_width - 169 - 3});

  // The pictures and the pages share the panel's whole area; later widgets lie on top.
  auto* panel_layout = new QGridLayout(panel_staff);
  panel_layout->setContentsMargins(0, 0, 0, 0);
  bg_image = make_background_picture("bg_image", panel_staff);
  bg_image->setPixmap(
      QPixmap(QString::fromStdString((program_folder() / "img" / "background.png").string())));
  bg_loading_image = make_background_picture("bg_loading_image", panel_staff);
  bg_loading_image->hide();
  main_page_control = new page_control(panel_staff);
  main_page_control->setObjectName("main_page_control");
  main_page_control->hide();
  panel_layout->addWidget(bg_image, 0, 0);
  panel_layout->addWidget(bg_loading_image, 0, 0);
  panel_layout->addWidget(main_page_control, 0, 0);

  staff_tab = add_page(main_page_control, "staff_tab", "Staff");
  auto* staff_layout = new QVBoxLayout(staff_tab);
  label_staff = new QLabel(staff_tab);
  label_staff->setObjectName("label_staff");
  QFont heading = label_staff->font();
  heading.setBold(true);
  heading.setPixelSize(16);
  label_staff->setFont(heading);
  pc_staff = new page_control(staff_tab);
  pc_staff->setObjectName("pc_staff");
  pc_staff->setEnabled(false);
  pc_staff->hide();
  build_record_pages(pc_staff, controls_);
  fit_record_tabs(pc_staff);
  staff_layout->addWidget(label_staff);
  staff_layout->addWidget(pc_staff, 1);

  analysis_tab = add_page(main_page_control, "analysis_tab", "Analysis");
  auto* analysis_layout = new QVBoxLayout(analysis_tab);
  analysis_control = new page_control(analysis_tab);
  analysis_control->setObjectName("analysis_control");
  analysis_layout->addWidget(analysis_control);
  averages_tab_sheet = add_page(analysis_control, "averages_tab_sheet", "Averages");
  counts_tab_sheet = add_page(analysis_control, "counts_tab_sheet", "Counts");
  build_analysis_pages();
  build_sort_panel();
  connect_staff_list();
}

void Tfrm_main::build_status_bar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("status_bar");
  bar->setSizeGripEnabled(false);
  constexpr int widths[] = {80, 480, 50};
  for (int panel = 0; panel < 3; ++panel) {
    auto* label = new QLabel(bar);
    label->setObjectName(QString("status_panel_%1").arg(panel));
    label->setMinimumWidth(widths[panel]);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    if (panel < 2)
      label->setFixedWidth(widths[panel]);
    if (panel == 0)
      label->setAlignment(Qt::AlignCenter);
    // The last panel takes the rest of the bar, where the field help texts need the room.
    bar->addWidget(label, panel == 2 ? 1 : 0);
    status_panels_[panel] = label;
  }
  set_status_panel(2, from_win1252("Field discription"));
}

void Tfrm_main::set_status_panel(int panel, const QString& text) {
  status_panels_.at(static_cast<std::size_t>(panel))->setText(text);
}

QString Tfrm_main::status_panel(int panel) const {
  return status_panels_.at(static_cast<std::size_t>(panel))->text();
}

void Tfrm_main::FormCreate() {
  // A window made smaller than designed scrolls rather than squeezing the record area, so the
  // sort controls below the pages stay in reach.
  Splitter1->setMinimumSize(client_width, client_height - statusBar()->sizeHint().height());
  const screen_fit fit = fit_window_to_screen(screen_size(), frameGeometry().size());
  if (fit.horizontal_bar) {
    form_scroll_area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Splitter1->setMinimumWidth(fit.horizontal_range);
  }
  if (fit.vertical_bar) {
    form_scroll_area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Splitter1->setMinimumHeight(fit.vertical_range);
  }
  if (fit.maximise)
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Tfrm_main::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_once_)
    return;
  shown_once_ = true;
  FormShow();
}
