#pragma once
// A LISTBOX over an EntryList: the entry list holds the texts and the selection, the control
// only shows them, or those a filter leaves in view, each drawn by the window (DrawEntry) with
// what it shows beside it. A user's pick (a click, a key that moves in the list, type-ahead)
// selects in the entry list (the window then raises the pick); a selection made by the
// program is shown and raises nothing, as LB_SETCURSEL sends no notification.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "window/list_keys.h"
#include "window/type_ahead.h"
#include "catalogue/entry_list.h"

namespace vantrel::win32ui {

class EntryListBox {
 public:
  EntryListBox(HWND box, EntryList& list);
  ~EntryListBox();
  EntryListBox(const EntryListBox&) = delete;
  EntryListBox& operator=(const EntryListBox&) = delete;

  HWND Handle() const { return box_; }

  // After LBN_SELCHANGE: selects the entry the user picked; true when that changed the
  // entry list's selection or picked again what was picked.
  bool TakePick();
  // A printable key typed at the time `now` (milliseconds) goes to the type-ahead search; true
  // when it picked an entry.
  bool TypeAhead(char key, long long now);
  // Shows only the entries `filter` is part of (all of them for ""). The entry list keeps
  // them all, and its selection: what is picked stays picked while it is out of view.
  void SetFilter(std::string filter);
  // A key that moves in the list picks the entry it moves to (RowAfterMove), in a filtered
  // list too; true when that changed the pick.
  bool Move(ListMove move);
  // Scrolls so that the entry `row` of the entry list, or the first shown one after it, is on top.
  void ScrollToTop(std::size_t row);
  // Scrolls as little as it takes to show the entry `row`; nothing while the filter hides it.
  void KeepInView(std::size_t row);
  // The entry list's row shown at the control's row `shown`.
  std::optional<int> EntryAt(int shown) const;
  // The text of the entry at `at` (client coordinates) when the list's edge cuts it; none
  // where there is no entry or it shows whole.
  std::optional<std::string> CutEntryAt(POINT at) const;
  // The tooltip of the entry at `at`: its text when the list's edge cuts it, why it is
  // marked, then what it shows beside it and its own tip (EntryList::Aside), a line each; ""
  // for none.
  std::string TipAt(POINT at) const;
  // The entries (by text) shown marked, "! " before their text and in the colour of a warning,
  // each with its reason in its tooltip; the entry list's texts stay as they are.
  void SetMarks(std::map<std::string, std::string> marks);
  // Draws the control's row the window's WM_DRAWITEM names.
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  void ShowList();
  void Refill();
  std::vector<std::wstring> BesidesOf(const std::vector<int>& shown) const;
  int RowsInView() const;
  std::optional<int> ShownAt(POINT at) const;  // the control's row at `at`, none below the last

  HWND box_;
  EntryList& list_;
  std::vector<std::string> texts_;  // the entry list's texts when last shown
  std::vector<int> shown_;          // the entry list's row of each of the control's rows
  std::vector<std::wstring> besides_;  // what each of the control's rows shows beside it
  int asidesShown_ = 0;                // the entry list's AsidesVersion when last shown
  std::string filter_;
  std::map<std::string, std::string> marks_;
  vantrel::TypeAhead typeAhead_;
};

}  // namespace vantrel::win32ui
