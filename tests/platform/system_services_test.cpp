#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/system_services.h"

namespace {

TEST(clipboard, holds_the_text_last_set) {
  set_clipboard_text("Andersson\r\nBerg\r\n");
  EXPECT_EQ(clipboard_text(), "Andersson\r\nBerg\r\n");
  set_clipboard_text(QString::fromUtf8("Zélio"));
  EXPECT_EQ(clipboard_text(), QString::fromUtf8("Zélio"));
}

TEST(screen_size, is_a_real_size) {
  const QSize size = screen_size();
  EXPECT_GT(size.width(), 0);
  EXPECT_GT(size.height(), 0);
}

class file_permissions : public testing::Test {
 protected:
  QString write_file(const QString& name) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"31/12/1999\"\n");
    return path;
  }
  QTemporaryDir dir;
};

TEST_F(file_permissions, a_read_only_file_is_made_writable_for_its_owner) {
  const QString path = write_file("club.staff");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
  if (geteuid() != 0) {
    EXPECT_FALSE(can_read_write(path));  // root may write anything
  }

  EXPECT_TRUE(make_owner_read_write(path));
  EXPECT_TRUE(QFile::permissions(path) & QFile::WriteOwner);
  EXPECT_TRUE(QFile::permissions(path) & QFile::ReadGroup) << "other bits stay as they were";
  EXPECT_TRUE(can_read_write(path));
}

TEST_F(file_permissions, testing_never_creates_or_changes_a_file) {
  const QString missing = dir.filePath("missing.staff");
  EXPECT_FALSE(can_read_write(missing));
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_FALSE(make_owner_read_write(missing));

  const QString path = write_file("kept.staff");
  EXPECT_TRUE(can_read_write(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "\"31/12/1999\"\n");
}

TEST_F(file_permissions, a_folder_is_not_a_file_to_write) {
  EXPECT_FALSE(can_read_write(dir.path()));
}

}  // namespace
