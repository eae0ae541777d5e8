#pragma once

#include <QTabWidget>
#include <functional>

// A tab widget whose page changes by the user can be refused before they happen and are
// reported after. Changes made by the program (set_active_page_index) are neither asked nor
// reported. Every change by the user, a click on a tab or a key (Ctrl+Tab, Ctrl+Shift+Tab, Alt
// and a tab's mnemonic, the tab bar's arrows with any modifiers), first takes the focus to the
// tab bar, so a control that refuses to be left (see focus_tracker) keeps its page as well. The
// mouse wheel changes no page. No change by the user, whatever made it, shows a hidden or
// disabled page.
class page_control : public QTabWidget {
  Q_OBJECT
 public:
  explicit page_control(QWidget* parent = nullptr);

  // Asked before the user's change; returning false keeps the page.
  void set_changing_handler(std::function<bool()> handler) { changing_ = std::move(handler); }
  // Told after the user's change.
  void set_change_handler(std::function<void()> handler) { change_ = std::move(handler); }

  int active_page_index() const { return currentIndex(); }
  void set_active_page_index(int index);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static constexpr int no_page = -1;
  static constexpr int any_page = -2;  // a mnemonic's, which the tab bar picks itself

  bool eventFilter(QObject* watched, QEvent* event) override;
  bool changing_allows();
  bool page_shown(int index) const;
  bool focus_refused() const;
  bool focus_left_for_change();
  int next_shown_page(int step, bool wrap) const;
  void change_by_key(int step, bool wrap);
  void change_approved(int index, const std::function<void()>& change);
  void on_current_changed(int index);

  std::function<bool()> changing_;
  std::function<void()> change_;
  bool program_change_ = false;
  int shown_index_ = no_page;     // the page the user saw before the change
  int approved_index_ = no_page;  // the page of the allowed change being made, while it is made
};
