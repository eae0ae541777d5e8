#include "platform/system_services.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

void set_clipboard_text(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

QString clipboard_text() {
  return QGuiApplication::clipboard()->text();
}

QSize screen_size() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize();
}

bool can_read_write(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
}

bool make_owner_read_write(const QString& path) {
  return QFile::setPermissions(
      path, QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
