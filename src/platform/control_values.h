#pragma once

#include <QObject>
#include <QWidget>
#include <unordered_map>

// A value kept beside each control, `unset` until set. Qt's dynamic properties would do, but
// each read of one by name walks every property table of the control's classes, and showing a
// record reads hundreds of them. A control's value goes when the control does.
template <class Value>
class control_values {
 public:
  explicit control_values(Value unset) : unset_(unset) {}
  control_values(const control_values&) = delete;
  control_values& operator=(const control_values&) = delete;

  Value get(const QWidget* control) const {
    const auto found = values_.find(control);
    return found == values_.end() ? unset_ : found->second;
  }

  void set(QWidget* control, Value value) {
    const auto [entry, added] = values_.try_emplace(control, value);
    if (!added) {
      entry->second = value;
      return;
    }
    // The tables are made once and never freed, so this still finds its table at any time.
    QObject::connect(control, &QObject::destroyed, [this, control] { values_.erase(control); });
  }

 private:
  Value unset_;
  std::unordered_map<const QWidget*, Value> values_;
};
