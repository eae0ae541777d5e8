#pragma once

#include <QSize>
#include <QString>

// Plain text on the system clipboard.
void set_clipboard_text(const QString& text);
QString clipboard_text();

// The size of the primary screen in pixels.
QSize screen_size();

// True when the file can be opened for reading and writing.
bool can_read_write(const QString& path);
// Gives the owner read and write permission on the file; false when that failed.
bool make_owner_read_write(const QString& path);
