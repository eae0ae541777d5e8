#pragma once

class QEvent;

// The plain Delete and Insert keys belong to the list or grid that has the focus, where they
// delete and add entries, before any menu shortcut of the window (Edit > Delete is Del) may take
// them: true for the shortcut-override event of such a key, which the list then accepts.
bool is_list_key_override(const QEvent* event);
