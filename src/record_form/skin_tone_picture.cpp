#include "record_form/skin_tone_picture.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <filesystem>
#include <string>

#include "platform/dialog_service.h"
#include "platform/event_bindings.h"
#include "platform/picture_cache.h"
#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "record_form/picture_box.h"
#include "record_form/skin_colour.h"
#include "record_form/skin_tone_entries.h"
#include "records/program_paths.h"

namespace {

constexpr const char* bitmap_failure = "Could not load or alter bitmap";

QImage read_bitmap(const std::filesystem::path& file) {
  return QImage(QString::fromStdString(file.string()));
}

// The picture of that name, decoded again only when its file changed.
QImage head_picture(const char* file_name) {
  return read_picture_once(program_folder() / "img" / "head" / file_name, read_bitmap);
}

}  // namespace

bool get_skin_display_image(const QComboBox& staff_skin_tone, QImage& bitmap) {
  const int position = staff_skin_tone.currentIndex();
  tolvan_colour base;
  const tolvan_colour second;
  const tolvan_colour third;
  int code = 0;
  const bool done =
      position >= 0 && position < staff_skin_tone.count() &&
      parse_skin_colour_entry(to_win1252(staff_skin_tone.itemText(position)), base, code) &&
      !(bitmap = head_picture("player.bmp")).isNull();
  if (!done) {
    show_message(bitmap_failure);
    return false;
  }
  recolour_bitmap(bitmap, base, second, third);
  return true;
}

bool get_skin_display_shadow_image(QImage& bitmap) {
  bitmap = head_picture("player_shadow.bmp");
  if (!bitmap.isNull())
    return true;
  show_message(bitmap_failure);
  return false;
}

void show_staff_skin_tone_display(form_controls& controls) {
  auto* skin_tone = controls.get<QComboBox>("staff_skin_tone");
  auto* display = controls.get<QLabel>("staff_skin_tone_display");
  if (skin_tone == nullptr || display == nullptr)
    return;
  // No entry chosen (also with an empty list) shows no head, rather than a failed rebuild.
  if (skin_tone->currentIndex() < 1) {
    display->hide();
    return;
  }
  display->show();
  QImage shadow;
  QImage head;
  get_skin_display_shadow_image(shadow);
  get_skin_display_image(*skin_tone, head);

  const QSize size = picture_box_size(*display);
  QPixmap picture = display->pixmap();
  if (picture.isNull() || picture.size() != size) {
    picture = QPixmap(size);
    picture.fill(Qt::white);
  }
  {
    QPainter painter(&picture);
    const QRect whole(QPoint(0, 0), size);
    if (!shadow.isNull())
      painter.drawImage(whole, shadow);
    if (!head.isNull())
      painter.drawImage(whole, head);
  }
  display->setPixmap(picture);
}

void bind_skin_tone_display(form_controls& controls) {
  auto* skin_tone = controls.get<QComboBox>("staff_skin_tone");
  if (skin_tone == nullptr)
    return;
  draw_skin_tone_entries(skin_tone);
  on_combo_change(skin_tone, [&controls] { show_staff_skin_tone_display(controls); });
}
