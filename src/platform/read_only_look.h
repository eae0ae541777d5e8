#pragma once

class QLineEdit;

// Gives a read-only edit the platform's read-only background, the window colour behind the
// controls instead of the base colour of the fields typed into. Qt's own styles draw both alike,
// so a figure the user can only copy would otherwise look open to typing. The colour follows
// later palette changes, as a theme change.
void show_read_only_look(QLineEdit* edit);
