#include "platform/owner_drawn_list_view.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

#include "platform/owner_draw_delegate.h"
#include "platform/win1252.h"

void list_entries::reserve(std::size_t count, std::size_t characters) {
  entries_.reserve(count);
  characters_.reserve(characters);
}

void list_entries::add(QStringView text, const void* object) {
  const auto begin = static_cast<std::uint32_t>(characters_.size());
  characters_.append(reinterpret_cast<const char16_t*>(text.utf16()),
                     static_cast<std::size_t>(text.size()));
  entries_.push_back({object, begin, static_cast<std::uint32_t>(text.size())});
}

void list_entries::add_win1252(std::string_view text, const void* object) {
  const auto begin = static_cast<std::uint32_t>(characters_.size());
  append_from_win1252(text, characters_);
  entries_.push_back({object, begin, static_cast<std::uint32_t>(text.size())});
}

// The rows of the list: the entries of the last fill, with the entries added and rewritten since.
// A rewritten text goes to the end of the buffer; the old one stays there unused until the next
// fill.
class list_entries_model : public QAbstractListModel {
 public:
  explicit list_entries_model(QObject* parent) : QAbstractListModel(parent) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(entries_.entries_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !has_row(index.row()))
      return {};
    return text(index.row()).toString();
  }

  bool has_row(int row) const { return row >= 0 && row < rowCount(); }

  QStringView text(int row) const {
    const list_entries::entry& entry = entries_.entries_[static_cast<std::size_t>(row)];
    return QStringView(entries_.characters_.data() + entry.text_begin,
                       static_cast<qsizetype>(entry.text_size));
  }

  const void* object(int row) const {
    return entries_.entries_[static_cast<std::size_t>(row)].object;
  }

  // Every row anew; the selection goes with the rows it was on.
  void reset(list_entries entries, bool by_text) {
    beginResetModel();
    entries_ = std::move(entries);
    if (by_text)
      sort_by_text();
    endResetModel();
  }

  void sort() {
    beginResetModel();
    sort_by_text();
    endResetModel();
  }

  void insert(int row, QStringView text, const void* object) {
    beginInsertRows({}, row, row);
    entries_.add(text, object);
    std::rotate(entries_.entries_.begin() + row, entries_.entries_.end() - 1,
                entries_.entries_.end());
    endInsertRows();
  }

  void rewrite(int row, QStringView text) {
    list_entries::entry& entry = entries_.entries_[static_cast<std::size_t>(row)];
    entry.text_begin = static_cast<std::uint32_t>(entries_.characters_.size());
    entry.text_size = static_cast<std::uint32_t>(text.size());
    entries_.characters_.append(reinterpret_cast<const char16_t*>(text.utf16()),
                                static_cast<std::size_t>(text.size()));
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
  }

 private:
  // Puts the rows in the order of their texts ignoring case, equal texts keeping their order.
  void sort_by_text() {
    std::stable_sort(entries_.entries_.begin(), entries_.entries_.end(),
                     [this](const list_entries::entry& a, const list_entries::entry& b) {
                       return view_of(a).compare(view_of(b), Qt::CaseInsensitive) < 0;
                     });
  }

  QStringView view_of(const list_entries::entry& entry) const {
    return QStringView(entries_.characters_.data() + entry.text_begin,
                       static_cast<qsizetype>(entry.text_size));
  }

  list_entries entries_;
};

owner_drawn_list_view::owner_drawn_list_view(QWidget* parent)
    : QListView(parent),
      owner_drawn_list_handlers(static_cast<QWidget&>(*this)),
      model_(new list_entries_model(this)) {
  setModel(model_);
  setItemDelegate(new owner_draw_delegate<owner_drawn_list_view>(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QAbstractItemView::clicked, this, [this] { run_click(); });
  connect(this, &QAbstractItemView::doubleClicked, this, [this] { run_double_click(); });
}

owner_drawn_list_view::~owner_drawn_list_view() = default;

void owner_drawn_list_view::set_measure_handler(measure_handler height, width_handler width) {
  take_measure_handlers(std::move(height), std::move(width));
  // One entry's size stands for every entry's, so a layout need not measure them all.
  setUniformItemSizes(measurer() != nullptr);
  scheduleDelayedItemsLayout();
}

int owner_drawn_list_view::widest_entry_width() const {
  if (widest_ < 0) {
    widest_ = 0;
    for (int row = 0; row < count(); ++row)
      widen_to(model_->text(row));
  }
  return widest_;
}

void owner_drawn_list_view::widen_to_entry(QStringView text) {
  if (measured() && widen_to(text))
    scheduleDelayedItemsLayout();
}

int owner_drawn_list_view::count() const {
  return model_->rowCount();
}

int owner_drawn_list_view::item_index() const {
  const QModelIndexList chosen = selectionModel()->selectedIndexes();
  return chosen.isEmpty() ? -1 : chosen.front().row();
}

void owner_drawn_list_view::set_item_index(int index) {
  if (!model_->has_row(index)) {
    clearSelection();
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::ClearAndSelect);
    return;
  }
  selectionModel()->setCurrentIndex(model_->index(index), QItemSelectionModel::ClearAndSelect);
}

void owner_drawn_list_view::clear() {
  set_entries({});
}

void owner_drawn_list_view::set_entries(list_entries entries) {
  // Measured all at once when the list is next laid out.
  widest_ = -1;
  model_->reset(std::move(entries), sorted_);
}

QString owner_drawn_list_view::entry_text(int index) const {
  return model_->has_row(index) ? model_->text(index).toString() : QString();
}

void owner_drawn_list_view::set_entry_text(int index, const QString& text) {
  if (!model_->has_row(index))
    return;
  model_->rewrite(index, text);
  // A text rewritten wider widens the scroll range at once; one rewritten narrower leaves it as
  // it is until the list is filled again.
  widen_to_entry(text);
}

const void* owner_drawn_list_view::entry_object_raw(int index) const {
  return model_->has_row(index) ? model_->object(index) : nullptr;
}

void owner_drawn_list_view::set_sorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_)
    model_->sort();
}

int owner_drawn_list_view::add_entry(const QString& text, const void* object) {
  int position = count();
  if (sorted_) {
    position = 0;
    while (position < count() && model_->text(position).compare(text, Qt::CaseInsensitive) <= 0)
      ++position;
  }
  model_->insert(position, text, object);
  // The first entry after a fill from empty is measured with the rest at the next layout.
  if (count() == 1)
    widest_ = -1;
  widen_to_entry(text);
  return position;
}

void owner_drawn_list_view::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    forget_widths();
    scheduleDelayedItemsLayout();
  }
  QListView::changeEvent(event);
}

bool owner_drawn_list_view::event(QEvent* event) {
  // The key-down handler's Delete and Insert come before the window's menu shortcuts.
  return take_key_override(event) || QListView::event(event);
}

void owner_drawn_list_view::keyPressEvent(QKeyEvent* event) {
  run_key_down(event->key());
  const int before = currentIndex().row();
  QListView::keyPressEvent(event);
  // Moving the selection with the keys is a choice by the user, as a click is.
  const int after = currentIndex().row();
  if (after != before && after >= 0)
    run_click();
}
