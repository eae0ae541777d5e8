#include "platform/combo_helpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStringListModel>

void set_dropped_width(QComboBox* combo, int width) {
  combo->view()->setMinimumWidth(width);
}

int dropped_width(const QComboBox* combo) {
  return combo->view()->minimumWidth();
}

void use_light_size_policy(QComboBox* combo, int minimum_characters) {
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(minimum_characters);
}

QStringListModel* make_shared_list_model(const QStringList& entries, QObject* owner) {
  return new QStringListModel(entries, owner);
}

void share_list_model(QComboBox* combo, QStringListModel* model) {
  // A combo deletes the model it was given only when it is its child; ours belongs to `owner`.
  combo->setModel(model);
}
