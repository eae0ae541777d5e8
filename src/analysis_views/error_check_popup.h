#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The error-check options: six boxes switching the leave checks, shown only while the password
// is typed exactly. OK stores the boxes into the switches, Cancel leaves the switches alone.
class Tfrm_popup : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_popup(QWidget* owner = nullptr);
  ~Tfrm_popup() override;

  // Each opening: an empty password with the focus, the options hidden.
  void FormShow();
  void e_c_passwordChange();
  void button_okClick();
  void cancel_btnClick();

  bool ok_result() const { return ok_result_; }
  void set_ok_result(bool ok) { ok_result_ = ok; }
  // Ticks each box as its switch stands.
  void show_switches();

  QLabel* label_caption = nullptr;
  QLineEdit* e_c_password = nullptr;
  QGroupBox* e_c_options_gb = nullptr;
  QCheckBox* e_c_name = nullptr;
  QCheckBox* e_c_birth_details = nullptr;
  QCheckBox* e_c_nationality = nullptr;
  QCheckBox* e_c_reputation = nullptr;
  QCheckBox* e_c_ability = nullptr;
  QCheckBox* e_c_positions = nullptr;
  QPushButton* button_ok = nullptr;
  QPushButton* cancel_btn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void build_layout();

  bool ok_result_ = false;
};

// The one popup of the program, created by the program entry after the main window and before
// the club picker; null before that and after it is destroyed.
extern Tfrm_popup* frm_popup;

// Shows the popup modally, then ticks its boxes from the switches; true when closed with OK.
// False, showing nothing, without a popup.
bool run_error_check_popup(Tfrm_popup* popup);
