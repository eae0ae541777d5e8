#pragma once

#include <QTabWidget>
#include <functional>

// A tab widget whose page changes by the user can be refused before they happen and are
// reported after. Changes made by the program (set_active_page_index) are neither asked nor
// reported. Every change by the user, a click on a tab or a key (Ctrl+Tab, Ctrl+Shift+Tab, Alt
// and a tab's mnemonic, the tab bar's arrows), first takes the focus to the tab bar, so a
// control that refuses to be left (see focus_tracker) keeps its page as well. The keys never
// show a hidden or disabled page.
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
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool changing_allows();
  bool may_change_to(int index);
  bool focus_refused() const;
  bool focus_left_for_change();
  int next_shown_page(int step, bool wrap) const;
  void change_by_key(int index);
  void on_current_changed(int index);

  std::function<bool()> changing_;
  std::function<void()> change_;
  bool program_change_ = false;
  int shown_index_ = -1;            // the page the user saw before the change
  int approved_index_ = -1;         // a page the changing handler already allowed
  bool mnemonic_approved_ = false;  // the tab bar is showing the page of an allowed mnemonic
};
