#pragma once

#include <QLineEdit>
#include <QString>

// Replaces an edit's whole text as the user's typing does; the program's setText is no typing,
// and the item panels pass over an edit nobody typed into.
inline void type_over(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  edit->insert(text);
}
