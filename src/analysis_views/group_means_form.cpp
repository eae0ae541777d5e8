#include "analysis_views/group_means_form.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "record_form/edit_integers.h"
#include "record_form/form_controls.h"
#include "record_form/record_pages.h"

namespace {

struct mean_widgets {
  QLabel* label = nullptr;
  QWidget* bar = nullptr;
  QWidget* background = nullptr;
};

// What the means and steps look up once per form.
struct group_widgets {
  bool found = false;
  attribute_edits members;
  std::vector<mean_widgets> means;  // in group_mean_specs() order
};

QWidget* find_or_null(const form_controls& form, const char* name) {
  return name == nullptr ? nullptr : form.find(name);
}

group_widgets& widgets_of(form_controls& form) {
  group_widgets& widgets = form.attached<group_widgets>();
  if (widgets.found)
    return widgets;
  widgets.found = true;
  for (const attribute_member& member : attribute_members()) {
    widgets.members.edits.push_back(form.get<QLineEdit>(member.edit));
    widgets.members.rows.push_back(find_control_spec(member.edit));
  }
  for (const group_mean_spec& mean : group_mean_specs()) {
    widgets.means.push_back({form.get<QLabel>(mean.label), find_or_null(form, mean.bar),
                             find_or_null(form, mean.background)});
  }
  return widgets;
}

constexpr QColor bar_colour(40, 120, 200);

void show_mean(const mean_widgets& widgets, double mean) {
  if (widgets.label != nullptr)
    widgets.label->setText(QString::fromStdString(mean_text(mean)));
  if (widgets.bar != nullptr && widgets.background != nullptr)
    widgets.bar->setFixedWidth(mean_bar_width(widgets.background->width(), mean));
}

bool counts(const group_mean_spec& mean, std::uint32_t groups, std::optional<attribute_kind> kind) {
  if ((mean.groups & groups) == 0)
    return false;
  return !kind || mean.only == attribute_kind::none || mean.only == *kind;
}

}  // namespace

const attribute_edits& attribute_edits_of(form_controls& form) {
  return widgets_of(form).members;
}

std::vector<int> attribute_values(form_controls& form) {
  const attribute_edits& members = attribute_edits_of(form);
  std::vector<int> values;
  values.reserve(members.edits.size());
  for (const QLineEdit* edit : members.edits)
    values.push_back(edit_integer_or_zero(edit));
  return values;
}

void calculate_group_means(form_controls& form, std::uint32_t groups,
                           std::optional<attribute_kind> kind) {
  const group_widgets& widgets = widgets_of(form);
  const std::vector<int> values = attribute_values(form);
  const std::span<const group_mean_spec> means = group_mean_specs();
  for (std::size_t index = 0; index < means.size(); ++index) {
    if (counts(means[index], groups, kind))
      show_mean(widgets.means[index], group_mean(means[index], values));
  }
}

void calculate_all_group_means(form_controls& form) {
  calculate_group_means(form, ~std::uint32_t{0});
}

void paint_mean_bars(form_controls& form) {
  for (const mean_widgets& widgets : widgets_of(form).means) {
    if (widgets.bar != nullptr) {
      QPalette filled = widgets.bar->palette();
      filled.setColor(QPalette::Window, bar_colour);
      widgets.bar->setPalette(filled);
      widgets.bar->setAutoFillBackground(true);
    }
    if (auto* outline = qobject_cast<QFrame*>(widgets.background))
      outline->setFrameShape(QFrame::Box);
  }
}
