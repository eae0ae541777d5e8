#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/combo_helpers.h"
#include "platform/control_tag.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/page_control.h"
#include "platform/read_only_look.h"
#include "platform/shape.h"
#include "platform/string_grid.h"
#include "platform/win1252.h"
#include "record_form/control_binding.h"
#include "record_form/form_controls.h"
#include "record_form/record_pages.h"

namespace {

bool is_list(control_kind kind) {
  return kind == control_kind::list_box || kind == control_kind::string_grid ||
         kind == control_kind::memo;
}

// Widths in pixels by what a control holds; a row's own width wins.
struct width_rule {
  binding_kind binding;
  int width;
};
constexpr width_rule width_rules[] = {
    {binding_kind::number, 44},
    {binding_kind::decimal, 60},
    {binding_kind::money_text, 96},
    {binding_kind::money_number, 96},
    {binding_kind::date_text, 84},
    {binding_kind::index_combo, 150},
    {binding_kind::index_combo_direct, 150},
};
constexpr int combo_width = 150;
// Item lists and grids keep about six rows in view however little room their page has: a page
// that then needs more room than it has scrolls.
constexpr int list_visible_rows = 6;
constexpr int combo_minimum_characters = 12;
constexpr int money_max_length = 9;
constexpr int caption_width = 110;

int width_of(const control_spec& row) {
  if (row.width > 0)
    return row.width;
  for (const width_rule& rule : width_rules) {
    if (rule.binding == row.binding.kind)
      return rule.width;
  }
  if (row.kind == control_kind::combo)
    return combo_width;
  if (row.kind == control_kind::edit && row.binding.field.type == value_type::text) {
    return std::clamp(row.binding.field.capacity * 6, 60, 220);
  }
  return 0;
}

int list_minimum_height(const QAbstractItemView& view) {
  const auto* grid = qobject_cast<const QTableView*>(&view);
  const int row_height = grid != nullptr ? grid->verticalHeader()->defaultSectionSize()
                                         : view.fontMetrics().height() + 2;
  return list_visible_rows * row_height + 2 * view.frameWidth();
}

QString text_of(const char* text) {
  return text == nullptr ? QString() : from_win1252(text);
}

// Where a container's own controls and its child containers go.
struct container_body {
  QWidget* widget = nullptr;
  QTabWidget* tabs = nullptr;  // set for a tab widget: children become its pages
  bool canvas = false;         // set for a canvas: rows are placed, not laid out
  QGridLayout* grid = nullptr;
  QHBoxLayout* columns = nullptr;
  std::vector<QVBoxLayout*> column_layouts;
  int grid_columns = 1;
  std::vector<const control_spec*> rows;
  // Reading order: the controls made for `rows`, then the child containers by column.
  std::vector<QWidget*> controls;
  std::vector<std::pair<int, container_body*>> children;
};

void give_body(container_body& body, QWidget* widget, int grid_columns) {
  body.widget = widget;
  body.grid_columns = std::max(1, grid_columns);
  auto* layout = new QVBoxLayout(widget);
  // A plain panel only groups rows; its frame's own margins would indent them twice.
  const int margin = qobject_cast<QFrame*>(widget) != nullptr ? 0 : 4;
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(4);
  body.grid = new QGridLayout;
  body.grid->setHorizontalSpacing(6);
  body.grid->setVerticalSpacing(2);
  layout->addLayout(body.grid);
  body.columns = new QHBoxLayout;
  layout->addLayout(body.columns);
  layout->addStretch(1);
}

QVBoxLayout* column_of(container_body& body, int column) {
  while (static_cast<int>(body.column_layouts.size()) <= column) {
    auto* layout = new QVBoxLayout;
    body.columns->addLayout(layout, 0);
    body.column_layouts.push_back(layout);
  }
  return body.column_layouts[column];
}

QWidget* make_container(const container_spec& spec) {
  switch (spec.kind) {
    case container_kind::tab_widget:
      return new page_control;
    case container_kind::group_box:
      return new QGroupBox(text_of(spec.caption));
    case container_kind::panel: {
      auto* frame = new QFrame;
      frame->setFrameShape(QFrame::NoFrame);
      return frame;
    }
    case container_kind::frame: {
      // Keeps its place whether or not its picture is shown.
      auto* frame = new QFrame;
      frame->setFrameShape(QFrame::Box);
      frame->setFixedSize(spec.width, spec.height);
      return frame;
    }
    case container_kind::sub_page:
      return new QWidget;
    case container_kind::canvas: {
      auto* frame = new QFrame;
      frame->setFrameShape(QFrame::NoFrame);
      frame->setFixedSize(spec.width, spec.height);
      return frame;
    }
  }
  return new QWidget;
}

QWidget* make_edit(const control_spec& row, const form_formats& formats) {
  auto* edit = new QLineEdit;
  if (row.kind == control_kind::date_edit)
    edit->setInputMask(date_input_mask(formats));
  if ((row.flags & flag_money) != 0) {
    edit->setMaxLength(money_max_length + 2 * 3);  // digits and the separators shown at rest
  } else if (row.binding.field.type == value_type::text && row.binding.field.capacity > 1) {
    edit->setMaxLength(row.binding.field.capacity - 1);
  }
  if ((row.flags & flag_read_only) != 0) {
    edit->setReadOnly(true);
    show_read_only_look(edit);
    // A figure worked out from others is no Tab stop between the fields typed into; a click
    // still focuses it, to copy it.
    edit->setFocusPolicy(Qt::ClickFocus);
  }
  return edit;
}

QWidget* make_control(const control_spec& row, form_controls& controls,
                      const form_formats& formats) {
  switch (row.kind) {
    case control_kind::edit:
    case control_kind::date_edit:
      return make_edit(row, formats);
    case control_kind::combo: {
      auto* combo = new QComboBox;
      use_light_size_policy(combo, combo_minimum_characters);
      if (row.choices != nullptr)
        share_list_model(combo, controls.choice_model(row.choices));
      return combo;
    }
    case control_kind::check_box:
      // A box with a caption label of its own would repeat that text beside it.
      return new QCheckBox(row.label_name != nullptr ? QString() : text_of(row.caption));
    case control_kind::label:
      return new QLabel(text_of(row.caption));
    case control_kind::button:
      return new QPushButton(text_of(row.caption));
    case control_kind::list_box:
      return new owner_drawn_list_box;
    case control_kind::string_grid:
      return new string_grid;
    case control_kind::memo: {
      // A form's Tab goes to the next field; a tab character has no place in the notes.
      auto* memo = new QPlainTextEdit;
      memo->setTabChangesFocus(true);
      return memo;
    }
    case control_kind::picture:
      return new QLabel;
    case control_kind::shape:
      return new shape;
  }
  return new QWidget;
}

bool has_own_caption(control_kind kind) {
  return kind == control_kind::check_box || kind == control_kind::button ||
         kind == control_kind::label;
}

// A control as its row makes it: named, sized and tagged, not yet placed.
QWidget* make_named_control(const control_spec& row, form_controls& controls,
                            const form_formats& formats) {
  QWidget* control = make_control(row, controls, formats);
  control->setObjectName(QString::fromLatin1(row.name));
  if (const int width = width_of(row); width > 0 && (row.flags & flag_track) == 0)
    control->setFixedWidth(width);
  if (row.height > 0)
    control->setFixedHeight(row.height);
  if (const auto* view = qobject_cast<QAbstractItemView*>(control))
    control->setMinimumHeight(list_minimum_height(*view));
  if (row.binding.field.bound())
    set_control_tag(control, text_value_tag);
  return control;
}

// Puts each control of a canvas where its row says, with its caption just above it.
void place_rows(container_body& body, form_controls& controls, const form_formats& formats) {
  for (const control_spec* row : body.rows) {
    QWidget* control = make_named_control(*row, controls, formats);
    control->setParent(body.widget);
    control->move(row->left, row->top);
    control->resize(control->sizeHint().expandedTo(control->minimumSize()));
    if (row->label_name != nullptr) {
      auto* label = new QLabel(text_of(row->caption), body.widget);
      label->setObjectName(QString::fromLatin1(row->label_name));
      label->setBuddy(control);
      label->adjustSize();
      label->move(row->left, row->top - label->height());
      controls.add(label);
    }
    if ((row->flags & flag_hidden) != 0)
      control->setHidden(true);
    controls.add(control);
    body.controls.push_back(control);
  }
  // Rows stack in table order, but Tab reads the canvas line by line, left to right.
  std::stable_sort(body.controls.begin(), body.controls.end(), [](QWidget* a, QWidget* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  });
}

// Keeps `width` pixels of the control's grid column for it, the control at their left.
void keep_track(QGridLayout& grid, QWidget* control, int width) {
  int row = 0;
  int column = 0;
  int row_span = 0;
  int column_span = 0;
  grid.getItemPosition(grid.indexOf(control), &row, &column, &row_span, &column_span);
  grid.setColumnMinimumWidth(column, std::max(grid.columnMinimumWidth(column), width));
  grid.setAlignment(control, Qt::AlignLeft | Qt::AlignVCenter);
}

// Lays the container's controls out as label+control pairs, top to bottom, wrapping into
// `grid_columns` columns. A row flagged beside goes on the line of the row before it.
void lay_out_rows(container_body& body, form_controls& controls, const form_formats& formats) {
  int count = 0;
  int most_beside = 0;
  for (int beside = 0; const control_spec* row : body.rows) {
    beside = (row->flags & flag_beside) != 0 ? beside + 1 : 0;
    count += beside == 0 ? 1 : 0;
    most_beside = std::max(most_beside, beside);
  }
  if (count == 0)
    return;
  const int per_column = (count + body.grid_columns - 1) / body.grid_columns;
  const int column_width = 2 + most_beside;
  int line = -1;
  int next_beside_column = 0;
  for (const control_spec* row_pointer : body.rows) {
    const control_spec& row = *row_pointer;
    const bool beside = (row.flags & flag_beside) != 0 && line >= 0;
    if (!beside)
      ++line;
    const int grid_row = line % per_column;
    const int grid_column = column_width * (line / per_column);
    QWidget* control = make_named_control(row, controls, formats);
    if (beside) {
      body.grid->addWidget(control, grid_row, next_beside_column++);
    } else if (row.label_name != nullptr) {
      auto* label = new QLabel(text_of(row.caption));
      label->setObjectName(QString::fromLatin1(row.label_name));
      label->setBuddy(control);
      if (label->sizeHint().width() > caption_width) {
        // Long captions take two lines rather than widen every row of their column.
        label->setWordWrap(true);
        label->setFixedWidth(caption_width);
      }
      body.grid->addWidget(label, grid_row, grid_column);
      body.grid->addWidget(control, grid_row, grid_column + 1);
      if ((row.flags & flag_hidden) != 0)
        label->setHidden(true);
      controls.add(label);
    } else if (has_own_caption(row.kind) || is_list(row.kind)) {
      body.grid->addWidget(control, grid_row, grid_column, 1, 2);
    } else {
      body.grid->addWidget(control, grid_row, grid_column + 1);
    }
    if ((row.flags & flag_track) != 0)
      keep_track(*body.grid, control, row.width);
    if (!beside)
      next_beside_column = grid_column + 2;
    if ((row.flags & flag_hidden) != 0)
      control->setHidden(true);
    controls.add(control);
    body.controls.push_back(control);
  }
  // Later columns start flush after the controls of the one before.
  body.grid->setColumnStretch(column_width * body.grid_columns, 1);
}

// The page's controls go on a body that scrolls when the page is smaller than they need.
QWidget* scrolling_body(QWidget* page) {
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  // Not a Tab stop of its own; it still scrolls to the control Tab reaches.
  scroll->setFocusPolicy(Qt::NoFocus);
  auto* body = new QWidget;
  scroll->setWidget(body);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  return body;
}

// The page read as a form user reads it: a container's own controls, then its child containers
// column by column, each column top to bottom. A tab widget hands the focus on to its bar, so
// both go right before the bar's pages.
void append_reading_order(const container_body& body, std::vector<QWidget*>& order) {
  if (body.tabs != nullptr)
    order.insert(order.end(), {body.tabs, body.tabs->tabBar()});
  order.insert(order.end(), body.controls.begin(), body.controls.end());
  std::vector<std::pair<int, container_body*>> children = body.children;
  std::stable_sort(children.begin(), children.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [column, child] : children)
    append_reading_order(*child, order);
}

// Tab goes through `order` after `first`; returns the last control of the chain. Controls that
// never take the focus stay out of it (Qt would not chain them).
QWidget* chain_tab_order(QWidget* first, const std::vector<QWidget*>& order) {
  for (QWidget* control : order) {
    if (control->focusPolicy() == Qt::NoFocus)
      continue;
    QWidget::setTabOrder(first, control);
    first = control;
  }
  return first;
}

// Builds the page; returns its controls in reading order.
std::vector<QWidget*> build_page(QTabWidget* pc_staff, form_controls& controls,
                                 const page_spec& page, const form_formats& formats) {
  auto* page_widget = new QWidget;
  page_widget->setObjectName(QString::fromLatin1(page.name));
  std::map<std::string, container_body, std::less<>> bodies;
  container_body& page_body = bodies[page.name];
  give_body(page_body, scrolling_body(page_widget), 1);
  controls.add(page_widget);

  for (const container_spec& spec : page.containers) {
    QWidget* widget = make_container(spec);
    widget->setObjectName(QString::fromLatin1(spec.name));
    container_body& body = bodies[spec.name];
    if (spec.kind == container_kind::tab_widget) {
      body.widget = widget;
      body.tabs = static_cast<QTabWidget*>(widget);
    } else if (spec.kind == container_kind::canvas) {
      body.widget = widget;
      body.canvas = true;
    } else {
      give_body(body, widget, spec.grid_columns);
    }
    auto parent = bodies.find(spec.parent != nullptr ? spec.parent : page.name);
    if (parent == bodies.end())
      parent = bodies.find(page.name);
    if (parent->second.tabs != nullptr) {
      parent->second.tabs->addTab(widget, text_of(spec.caption));
    } else {
      column_of(parent->second, spec.column)->addWidget(widget);
    }
    parent->second.children.emplace_back(spec.column, &body);
    if (spec.hidden)
      widget->setHidden(true);
    controls.add(widget);
  }
  for (auto& [name, body] : bodies) {
    for (QVBoxLayout* column : body.column_layouts)
      column->addStretch(1);
    if (body.columns != nullptr)
      body.columns->addStretch(1);
  }

  for (const control_spec& row : page.controls) {
    auto body = bodies.find(row.container != nullptr ? row.container : page.name);
    if (body == bodies.end() || body->second.tabs != nullptr)
      body = bodies.find(page.name);
    body->second.rows.push_back(&row);
  }
  for (auto& [name, body] : bodies) {
    if (body.canvas)
      place_rows(body, controls, formats);
    else
      lay_out_rows(body, controls, formats);
  }

  pc_staff->addTab(page_widget, text_of(page.caption));
  std::vector<QWidget*> order;
  append_reading_order(page_body, order);
  return order;
}

}  // namespace

void build_record_pages(QTabWidget* pc_staff, form_controls& controls,
                        std::span<const page_spec> pages) {
  const form_formats formats = current_formats();
  controls.add(pc_staff);
  // From a page's tab, Tab walks that page before anything else.
  QWidget* last = pc_staff->tabBar();
  for (const page_spec& page : pages)
    last = chain_tab_order(last, build_page(pc_staff, controls, page, formats));
}
