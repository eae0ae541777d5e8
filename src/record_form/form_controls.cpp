#include "record_form/form_controls.h"

#include <QAbstractButton>
#include <QPointer>
#include <QStringListModel>

struct form_controls::entry {
  QPointer<QWidget> widget;
};

form_controls::form_controls() : model_owner_(std::make_unique<QObject>()) {}

form_controls::~form_controls() = default;

void form_controls::add(QWidget* widget) {
  if (widget == nullptr)
    return;
  const std::string name = widget->objectName().toStdString();
  auto found = widgets_.find(name);
  if (found == widgets_.end()) {
    names_.push_back(name);
    widgets_.emplace(name, std::make_unique<entry>(entry{widget}));
  } else {
    found->second->widget = widget;
  }
}

QWidget* form_controls::find(std::string_view name) const {
  auto found = widgets_.find(name);
  return found == widgets_.end() ? nullptr : found->second->widget.data();
}

QStringListModel* form_controls::choice_model(std::string_view list_name) {
  auto found = models_.find(list_name);
  if (found != models_.end())
    return found->second;
  auto* model = new QStringListModel(model_owner_.get());
  models_.emplace(std::string(list_name), model);
  return model;
}

bool is_ticked(const form_controls& controls, const char* name) {
  const auto* box = controls.get<QAbstractButton>(name);
  return box != nullptr && box->isChecked();
}
