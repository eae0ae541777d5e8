#pragma once

#include <QStringList>

class QComboBox;
class QObject;
class QStringListModel;

// Sets the least width of the combo's drop-down list; it is never narrower than the combo.
void set_dropped_width(QComboBox* combo, int width);
int dropped_width(const QComboBox* combo);

// Keeps a combo from measuring every item before it is first shown, which costs much time with
// long lookup lists.
void use_light_size_policy(QComboBox* combo, int minimum_characters = 10);

// One model for many combos that show the same lookup list. The model belongs to `owner`.
// Combos sharing a model must not be cleared or given items one by one: that would change every
// one of them; change the model's list instead.
QStringListModel* make_shared_list_model(const QStringList& entries, QObject* owner);
void share_list_model(QComboBox* combo, QStringListModel* model);
