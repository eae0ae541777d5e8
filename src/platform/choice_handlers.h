#pragma once

#include <functional>

class QEvent;

// The handlers the program gives a list or grid for the user's choices and keys, and their runs
// from the list's or grid's events, each guarded like any handler.
class choice_handlers {
 public:
  // Runs when the user selects an entry by mouse or keyboard, also on the entry already
  // selected; never when the program sets the selection.
  void set_click_handler(std::function<void()> handler) { click_ = std::move(handler); }
  void set_double_click_handler(std::function<void()> handler) {
    double_click_ = std::move(handler);
  }
  // Runs before the list's own handling of the key. Delete and Insert reach it even where a menu
  // shortcut of the window (Edit > Delete is Del) would take them.
  void set_key_down_handler(std::function<void(int key)> handler) {
    key_down_ = std::move(handler);
  }

 protected:
  void run_click() const;
  void run_double_click() const;
  void run_key_down(int key) const;
  // True, with the event accepted, for the shortcut override of a Delete or Insert the key-down
  // handler is to have before the window's menu shortcuts.
  bool take_key_override(QEvent* event) const;

 private:
  std::function<void()> click_;
  std::function<void()> double_click_;
  std::function<void(int)> key_down_;
};
