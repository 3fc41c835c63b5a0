#pragma once
// A list box over an EntryList: the entry list holds the texts and the selection, the view
// only shows them. A user's pick (mouse, a key that moves in the list, type-ahead) selects in
// the entry list and raises the view's click handler; a selection made by the program is
// shown and raises nothing.
#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QListView>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "window/list_keys.h"
#include "window/type_ahead.h"
#include "catalogue/entry_list.h"

namespace vantrel {

// The role of what an entry shows beside its text (EntryList::Aside); its tooltip is the
// aside's tip.
inline constexpr int kBesideRole = Qt::UserRole + 1;

class EntryListModel : public QAbstractListModel {
 public:
  explicit EntryListModel(const EntryList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Takes over the entry list's texts when they differ from those shown; true when it did.
  bool Refresh();
  // The entries (by text) shown marked, in the colour of a warning and with its sign before
  // them, each with its reason as its tooltip; the text stays the entry's.
  void SetMarks(std::map<std::string, std::string> marks);

 private:
  const EntryList& list_;
  std::vector<std::string> shown_;
  int asidesShown_ = 0;  // the entry list's AsidesVersion when last shown
  std::map<std::string, std::string> marks_;
};

class EntryListView : public QListView {
 public:
  EntryListView(EntryList& list, int itemHeight, QWidget* parent = nullptr);
  ~EntryListView() override;

  // The list's click handler, raised once per user pick.
  void SetClickHandler(std::function<void()> handler) { clicked_ = std::move(handler); }
  // Run instead of the list's own use of these keys (Qt::Key values), without modifiers.
  void SetKeyHandler(std::vector<int> keys, std::function<void()> handler);
  // Takes the local files dropped on the list (a drop of anything else is refused).
  void SetDropHandler(std::function<void(const std::vector<std::string>&)> handler);
  // Shows only the entries `filter` is part of (all of them for ""). The entry list keeps
  // them all, and its selection: what is picked stays picked while it is out of view.
  void SetFilter(std::string filter);
  void SetMarks(std::map<std::string, std::string> marks) { model_.SetMarks(std::move(marks)); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ShowList();
  void ApplyFilter();
  void Pick(int row);
  bool TypedAhead(const QKeyEvent& event);
  void MovePick(ListMove move);

  EntryList& list_;
  EntryListModel model_;
  int itemHeight_;
  std::function<void()> clicked_;
  std::function<void(const std::vector<std::string>&)> dropped_;
  bool pressedOnEntry_ = false;
  std::vector<std::pair<std::vector<int>, std::function<void()>>> keyHandlers_;
  std::string filter_;
  TypeAhead typeAhead_;
  QElapsedTimer clock_;
};

}  // namespace vantrel
