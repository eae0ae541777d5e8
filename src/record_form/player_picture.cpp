#include "record_form/player_picture.h"

#include <QAbstractButton>
#include <QEvent>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/dialog_service.h"
#include "platform/event_bindings.h"
#include "platform/run_guarded.h"
#include "platform/win1252.h"
#include "record_form/form_controls.h"
#include "record_form/picture_box.h"

namespace {

constexpr int sample_size = 4;

// Every picture format the program can read, as the dialog's one filter.
QString picture_filter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns.append("*." + QString::fromLatin1(format));
  return "All pictures (" + patterns.join(' ') + ")";
}

// The label's own picture, made white at its size on first use.
QPixmap own_picture(const QLabel& box) {
  QPixmap picture = box.pixmap();
  if (picture.isNull()) {
    picture = QPixmap(picture_box_size(box));
    picture.fill(Qt::white);
  }
  return picture;
}

// Loads the file into Image3; an unreadable file is reported and leaves Image3 as it was.
bool load_into(QLabel& image3, const QString& path) {
  QImageReader reader(path);
  const QImage picture = reader.read();
  if (picture.isNull()) {
    dialogs().message(message_type::error, reader.errorString(), message_buttons::ok);
    return false;
  }
  image3.setPixmap(QPixmap::fromImage(picture));
  return true;
}

class mouse_down_filter : public QObject {
 public:
  mouse_down_filter(form_controls& controls, QObject* parent)
      : QObject(parent), controls_(controls) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      run_guarded([this, at] { Image3MouseDown(controls_, at.x(), at.y()); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  form_controls& controls_;
};

}  // namespace

void load_staff_picture_btnClick(form_controls& controls) {
  auto* image3 = controls.get<QLabel>("Image3");
  auto* image4 = controls.get<QLabel>("Image4");
  if (image3 == nullptr || image4 == nullptr)
    return;
  file_dialog_options options;
  options.filter = picture_filter();
  const QString path = dialogs().open_picture(options);
  if (!path.isEmpty() && !load_into(*image3, path))
    return;
  const QPixmap copy = image3->pixmap();
  QPixmap picture = own_picture(*image4);
  if (!copy.isNull()) {
    QPainter painter(&picture);
    painter.drawPixmap(QRect(QPoint(0, 0), picture.size()), copy);
  }
  image4->setPixmap(picture);
}

QColor sample_picture_colour(const QImage& picture, int x, int y) {
  int red = 0;
  int green = 0;
  int blue = 0;
  const int offset = sample_size / 2;
  for (int sy = y - offset; sy < y - offset + sample_size; ++sy) {
    for (int sx = x - offset; sx < x - offset + sample_size; ++sx) {
      const QRgb pixel = picture.valid(sx, sy) ? picture.pixel(sx, sy) : qRgb(255, 255, 255);
      red += qRed(pixel);
      green += qGreen(pixel);
      blue += qBlue(pixel);
    }
  }
  constexpr int samples = sample_size * sample_size;
  return QColor(red / samples, green / samples, blue / samples);
}

void Image3MouseDown(form_controls& controls, int x, int y) {
  if (auto* edit = controls.get<QLineEdit>("Edit1"))
    edit->setText(QString("X:%1 Y:%2").arg(x).arg(y));
  auto* image4 = controls.get<QLabel>("Image4");
  auto* shape = controls.get<QLabel>("Shape63");
  if (image4 == nullptr || shape == nullptr)
    return;
  QPixmap swatch(picture_box_size(*shape));
  swatch.fill(sample_picture_colour(image4->pixmap().toImage(), x, y));
  shape->setPixmap(swatch);
}

void bind_player_picture(form_controls& controls) {
  if (auto* button = controls.get<QAbstractButton>("load_staff_picture_btn")) {
    button->setToolTip(from_win1252("Load player picture so you can compare skin tones"));
    on_button_click(button, [&controls] { load_staff_picture_btnClick(controls); });
  }
  auto* image4 = controls.get<QLabel>("Image4");
  if (image4 != nullptr)
    image4->setCursor(Qt::CrossCursor);
  for (QLabel* picture : {controls.get<QLabel>("Image3"), image4}) {
    if (picture != nullptr)
      picture->installEventFilter(new mouse_down_filter(controls, picture));
  }
}
