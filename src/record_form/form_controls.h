#pragma once

#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QStringListModel;

// The record form's controls by object name. The page builder registers every control, caption
// label and container it creates; every widget's objectName() is its table name. Combo boxes
// of one choice list share one model, which the lookup loading fills once.
class form_controls {
 public:
  form_controls();
  ~form_controls();
  form_controls(const form_controls&) = delete;
  form_controls& operator=(const form_controls&) = delete;

  // Registers a widget under its objectName(); a later widget of the same name replaces it.
  void add(QWidget* widget);

  // Null when no widget of that name was registered (or it has been destroyed).
  QWidget* find(std::string_view name) const;

  template <class Widget>
  Widget* get(std::string_view name) const {
    return qobject_cast<Widget*>(find(name));
  }

  // The shared model of a choice list ("club_list", "nation_list", "classification", ...),
  // created empty on first use. Items are Windows-1252 texts converted with from_win1252.
  QStringListModel* choice_model(std::string_view list_name);

  // Names of the registered widgets, in registration order.
  const std::vector<std::string>& names() const { return names_; }

  // Data another part of the program keeps for these controls (widget pointers it looks up
  // once, say): made empty on first use, freed with the controls.
  template <class Data>
  Data& attached() {
    std::shared_ptr<void>& slot = attachments_[&attachment_tag<Data>];
    if (!slot)
      slot = std::make_shared<Data>();
    return *static_cast<Data*>(slot.get());
  }

 private:
  template <class Data>
  static constexpr char attachment_tag = 0;

  struct entry;
  std::map<std::string, std::unique_ptr<entry>, std::less<>> widgets_;
  std::vector<std::string> names_;
  std::map<std::string, QStringListModel*, std::less<>> models_;
  std::unique_ptr<QObject> model_owner_;
  std::map<const void*, std::shared_ptr<void>> attachments_;
};

// True when the named check box is there and ticked.
bool is_ticked(const form_controls& controls, const char* name);
