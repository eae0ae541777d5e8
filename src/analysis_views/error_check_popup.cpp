#include "analysis_views/error_check_popup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "analysis/error_check_flags.h"
#include "platform/dialog_service.h"
#include "platform/run_guarded.h"

Tfrm_popup* frm_popup = nullptr;

namespace {

// Keeps casual users away from the switches; it is no secret.
constexpr const char* popup_password = "plain cork";

struct switch_box {
  QCheckBox* Tfrm_popup::*box;
  bool error_check_flags::*flag;
  const char* name;
  const char* caption;
  int left;
  int top;
};

constexpr std::array<switch_box, 6> switch_boxes = {{
    {&Tfrm_popup::e_c_name, &error_check_flags::name, "e_c_name", "Name", 8, 24},
    {&Tfrm_popup::e_c_birth_details, &error_check_flags::birth_details, "e_c_birth_details",
     "Birth Details", 8, 40},
    {&Tfrm_popup::e_c_nationality, &error_check_flags::nationality, "e_c_nationality",
     "Nationality", 8, 56},
    {&Tfrm_popup::e_c_reputation, &error_check_flags::reputation, "e_c_reputation", "Reputation",
     112, 24},
    {&Tfrm_popup::e_c_ability, &error_check_flags::ability, "e_c_ability", "Ability", 112, 40},
    {&Tfrm_popup::e_c_positions, &error_check_flags::positions, "e_c_positions", "Positions", 112,
     56},
}};

template <class Widget>
Widget* named(Widget* widget, const char* name, QRect place) {
  widget->setObjectName(name);
  widget->setGeometry(place);
  return widget;
}

}  // namespace

Tfrm_popup::Tfrm_popup(QWidget* owner) : QDialog(owner) {
  setObjectName("frm_popup");
  setWindowTitle("Popup");
  setModal(true);
  // A dialog frame without system menu or close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(250, 194);
  build_layout();
  ok_result_ = false;
}

Tfrm_popup::~Tfrm_popup() {
  if (frm_popup == this)
    frm_popup = nullptr;
}

void Tfrm_popup::build_layout() {
  // The caption takes the room left of the edit and ends beside it, so the window's font
  // never cuts it short.
  label_caption = named(new QLabel("Password:", this), "label_caption", {8, 24, 68, 21});
  label_caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  e_c_password = named(new QLineEdit(this), "e_c_password", {80, 24, 153, 21});
  e_c_password->setEchoMode(QLineEdit::Password);
  e_c_options_gb = named(new QGroupBox("Error Check:", this), "e_c_options_gb", {16, 56, 217, 89});
  for (const switch_box& entry : switch_boxes) {
    auto* box = named(new QCheckBox(entry.caption, e_c_options_gb), entry.name,
                      {entry.left, entry.top, 97, 17});
    // The caption stands left of the box.
    box->setLayoutDirection(Qt::RightToLeft);
    box->setChecked(true);
    this->*entry.box = box;
  }
  button_ok = named(new QPushButton("&OK", this), "button_ok", {41, 160, 75, 25});
  button_ok->setDefault(true);
  button_ok->setCursor(Qt::PointingHandCursor);
  cancel_btn = named(new QPushButton("Cancel", this), "cancel_btn", {128, 160, 75, 25});
  cancel_btn->setAutoDefault(false);
  setTabOrder(button_ok, e_c_password);
  setTabOrder(e_c_password, e_c_options_gb);
  setTabOrder(e_c_options_gb, cancel_btn);

  connect(e_c_password, &QLineEdit::textChanged, this,
          [this] { run_guarded([this] { e_c_passwordChange(); }); });
  connect(button_ok, &QPushButton::clicked, this,
          [this] { run_guarded([this] { button_okClick(); }); });
  connect(cancel_btn, &QPushButton::clicked, this,
          [this] { run_guarded([this] { cancel_btnClick(); }); });
}

void Tfrm_popup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  e_c_password->setFocus(Qt::OtherFocusReason);
}

void Tfrm_popup::FormShow() {
  e_c_password->clear();
  e_c_password->setFocus(Qt::OtherFocusReason);
  e_c_options_gb->setVisible(false);
}

void Tfrm_popup::e_c_passwordChange() {
  e_c_options_gb->setVisible(e_c_password->text() == QLatin1String(popup_password));
}

void Tfrm_popup::button_okClick() {
  for (const switch_box& entry : switch_boxes)
    error_checks().*entry.flag = (this->*entry.box)->isChecked();
  ok_result_ = true;
  accept();
}

void Tfrm_popup::cancel_btnClick() {
  e_c_password->clear();
  ok_result_ = false;
  reject();
}

void Tfrm_popup::show_switches() {
  for (const switch_box& entry : switch_boxes)
    (this->*entry.box)->setChecked(error_checks().*entry.flag);
}

bool run_error_check_popup(Tfrm_popup* popup) {
  if (popup == nullptr)
    return false;
  popup->set_ok_result(false);
  popup->FormShow();
  dialogs().show_modal(*popup);
  popup->show_switches();
  return popup->ok_result();
}
