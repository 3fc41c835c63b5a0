#include "Unit1/entry_list_view.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QDropEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

#include "window/aside_place.h"
#include "window/list_filter.h"
#include "Unit1/qt_text.h"

namespace vantrel {

namespace {

// Every entry one fixed height, whatever the font's own line height.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(height_);
    return size;
  }
  // What the entry shows beside it, drawn at its right in the muted colour in the room the
  // text leaves (PlaceAside). The tooltip tells it whole.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    QString beside = index.data(kBesideRole).toString();
    if (beside.isEmpty()) return;
    const QFontMetrics metrics(option.font);
    const QString sign = QStringLiteral("\u2022");
    const AsidePlace place = PlaceAside({option.rect.width(), metrics.horizontalAdvance(index.data().toString()),
                                         metrics.horizontalAdvance(QStringLiteral("  ")), metrics.horizontalAdvance(beside),
                                         metrics.horizontalAdvance(QStringLiteral("Abcd\u2026")),
                                         metrics.horizontalAdvance(sign)});
    if (place.shown == AsideShown::Nothing) return;
    if (place.shown == AsideShown::Cut) beside = metrics.elidedText(beside, Qt::ElideRight, place.right - place.left);
    if (place.shown == AsideShown::Sign) beside = sign;
    const QRect span(option.rect.left() + place.left, option.rect.top(), place.right - place.left, option.rect.height());
    painter->save();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    painter->drawText(span, Qt::AlignRight | Qt::AlignVCenter, beside);
    painter->restore();
  }
  // An entry cut at the list's edge (a long slot or folder name) shows whole in a tooltip,
  // and under it what the entry's own tooltip tells.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
      return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString text = index.data().toString();
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    QStringList shown;
    if (view->fontMetrics().horizontalAdvance(text) > option.rect.width() - 2 * margin) shown << text;
    if (const QString tip = index.data(Qt::ToolTipRole).toString(); !tip.isEmpty()) shown << tip;
    if (!shown.isEmpty()) {
      QToolTip::showText(event->globalPos(), shown.join('\n'), view->viewport(), option.rect);
    } else {
      QToolTip::hideText();
    }
    return true;
  }

 private:
  int height_;
};

// The local files of a drag, or none when it carries anything else.
std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    files.push_back(FromQt(url.toLocalFile()));
  }
  return files;
}

// The style's own focus mark is a faint dotted line round the current entry: the list that
// has the focus is framed in the highlight colour instead.
constexpr int kFocusRingWidth = 2;

}  // namespace

EntryListModel::EntryListModel(const EntryList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), shown_(list.Items()) {}

int EntryListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const std::string& text = shown_[static_cast<std::size_t>(index.row())];
  if (role == Qt::DisplayRole) return ToQt(text);
  const EntryList::Aside* aside = list_.AsideOf(text);
  const auto mark = marks_.find(text);
  const bool marked = mark != marks_.end();
  switch (role) {
    case kBesideRole:
      return aside ? ToQt(aside->beside) : QVariant();
    case Qt::ToolTipRole: {
      // Why the entry is marked, then what the entry's aside tells.
      QStringList tips;
      if (marked) tips << ToQt(mark->second);
      if (aside && !aside->tip.empty()) tips << ToQt(aside->tip);
      return tips.isEmpty() ? QVariant() : QVariant(tips.join('\n'));
    }
    case Qt::ForegroundRole:
      return marked ? QVariant(QBrush(QColor(0xB0, 0x20, 0x10))) : QVariant();
    case Qt::DecorationRole:
      return marked ? QVariant(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) : QVariant();
    default:
      return {};
  }
}

void EntryListModel::SetMarks(std::map<std::string, std::string> marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  if (!shown_.empty()) emit dataChanged(index(0), index(rowCount() - 1));
}

bool EntryListModel::Refresh() {
  // The entry list reports selection changes through the same notification; only a change of
  // texts may reset the view (a reset would lose its scroll position).
  if (list_.Items() == shown_) {
    if (asidesShown_ != list_.AsidesVersion() && !shown_.empty()) {
      emit dataChanged(index(0), index(rowCount() - 1), {Qt::ToolTipRole, kBesideRole});
    }
    asidesShown_ = list_.AsidesVersion();
    return false;
  }
  beginResetModel();
  shown_ = list_.Items();
  asidesShown_ = list_.AsidesVersion();
  endResetModel();
  return true;
}

EntryListView::EntryListView(EntryList& list, int itemHeight, QWidget* parent)
    : QListView(parent), list_(list), model_(list, this), itemHeight_(itemHeight) {
  setModel(&model_);
  setItemDelegate(new FixedHeightDelegate(itemHeight, this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideNone);  // long entries are cut at the edge, as list boxes do
  list_.SetListener([this] { ShowList(); });
  ShowList();
  clock_.start();
}

void EntryListView::SetKeyHandler(std::vector<int> keys, std::function<void()> handler) {
  keyHandlers_.emplace_back(std::move(keys), std::move(handler));
}

EntryListView::~EntryListView() { list_.SetListener(nullptr); }

void EntryListView::SetDropHandler(std::function<void(const std::vector<std::string>&)> handler) {
  dropped_ = std::move(handler);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
}

void EntryListView::dragEnterEvent(QDragEnterEvent* event) {
  if (dropped_ && !LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void EntryListView::dragMoveEvent(QDragMoveEvent* event) {
  if (dropped_ && !LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void EntryListView::dropEvent(QDropEvent* event) {
  const std::vector<std::string> files = LocalFiles(event->mimeData());
  if (!dropped_ || files.empty()) return;
  event->acceptProposedAction();
  dropped_(files);
}

void EntryListView::SetFilter(std::string filter) {
  filter_ = std::move(filter);
  ApplyFilter();
  if (const auto selected = list_.Selected(); selected && !isRowHidden(*selected)) scrollTo(model_.index(*selected));
}

// A reset of the model forgets which rows were hidden.
void EntryListView::ApplyFilter() {
  const std::vector<std::string>& items = list_.Items();
  for (std::size_t row = 0; row < items.size(); ++row) {
    setRowHidden(static_cast<int>(row), !MatchesFilter(items[row], filter_));
  }
}

void EntryListView::ShowList() {
  if (model_.Refresh()) {
    if (!filter_.empty()) ApplyFilter();
    // New rows are laid out now rather than at the next paint: laid out there, the scroll
    // bar they bring narrows the list, and the window is painted a second time.
    if (isVisible()) doItemsLayout();
  }
  const auto selected = list_.Selected();
  if (!selected) {
    selectionModel()->clear();
    return;
  }
  const QModelIndex index = model_.index(*selected);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
}

void EntryListView::Pick(int row) {
  list_.Select(row);
  if (clicked_) clicked_();
}

// A press selects in the view; the pick is made at the release, on whatever entry the
// press or a drag left current, so the entry list never disagrees with what is highlighted.
void EntryListView::mousePressEvent(QMouseEvent* event) {
  QListView::mousePressEvent(event);
  pressedOnEntry_ = indexAt(event->position().toPoint()).isValid();
}

void EntryListView::mouseReleaseEvent(QMouseEvent* event) {
  QListView::mouseReleaseEvent(event);
  const bool picked = pressedOnEntry_ && currentIndex().isValid();
  pressedOnEntry_ = false;
  if (picked) Pick(currentIndex().row());
}

// A printable key goes to the type-ahead search; a found entry is the user's pick.
bool EntryListView::TypedAhead(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() != 1 || !text[0].isPrint() || text[0].isSpace() || text[0].unicode() > 0x7f) return false;
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const std::string& typed = typeAhead_.Add(text[0].toLatin1(), clock_.elapsed());
  const std::optional<std::size_t> found =
      FirstStartingWith(list_.Items(), typed, [this](std::size_t row) { return !isRowHidden(static_cast<int>(row)); });
  if (found && list_.Selected() != static_cast<int>(*found)) Pick(static_cast<int>(*found));
  return true;
}

// The entry a key moves to is picked, whatever the view's current row was: from a pick the
// filter hides, the view's own move would start where the user cannot see.
void EntryListView::MovePick(ListMove move) {
  std::vector<std::size_t> inView;
  for (int row = 0; row < model_.rowCount(); ++row) {
    if (!isRowHidden(row)) inView.push_back(static_cast<std::size_t>(row));
  }
  const std::size_t page = static_cast<std::size_t>(std::max(1, viewport()->height() / itemHeight_));
  const std::optional<int> selected = list_.Selected();
  const auto picked = selected ? std::optional<std::size_t>(static_cast<std::size_t>(*selected)) : std::nullopt;
  const std::optional<std::size_t> row = RowAfterMove(move, inView, picked, page);
  if (row && static_cast<int>(*row) != selected) Pick(static_cast<int>(*row));
}

// The view's selection always mirrors the entry list's, so a difference after a key is the
// user's pick; any other change the key made in the view is undone.
void EntryListView::keyPressEvent(QKeyEvent* event) {
  static const std::pair<int, ListMove> kMoves[] = {{Qt::Key_Up, ListMove::Up},
                                                     {Qt::Key_Down, ListMove::Down},
                                                     {Qt::Key_PageUp, ListMove::PageUp},
                                                     {Qt::Key_PageDown, ListMove::PageDown},
                                                     {Qt::Key_Home, ListMove::Home},
                                                     {Qt::Key_End, ListMove::End}};
  if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    for (const auto& [keys, handler] : keyHandlers_) {
      if (std::find(keys.begin(), keys.end(), event->key()) == keys.end()) continue;
      handler();
      return;
    }
    for (const auto& [key, move] : kMoves) {
      if (event->key() != key) continue;
      MovePick(move);
      return;
    }
  }
  if (TypedAhead(*event)) return;
  QListView::keyPressEvent(event);
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.size() == 1 && list_.Selected() != rows.front().row()) {
    Pick(rows.front().row());
  } else {
    ShowList();
  }
}

void EntryListView::paintEvent(QPaintEvent* event) {
  QListView::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusRingWidth));
  const int inset = kFocusRingWidth / 2;
  painter.drawRect(viewport()->rect().adjusted(inset, inset, -inset, -inset));
}

void EntryListView::focusInEvent(QFocusEvent* event) {
  QListView::focusInEvent(event);
  viewport()->update();
}

void EntryListView::focusOutEvent(QFocusEvent* event) {
  QListView::focusOutEvent(event);
  viewport()->update();
}

}  // namespace vantrel
