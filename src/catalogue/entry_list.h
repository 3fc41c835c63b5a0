#pragma once
// The model behind each of the window's three lists: texts, at most one selected entry,
// an optional sorted mode and a change notification for views.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class EntryList {
 public:
  using Listener = std::function<void()>;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& At(int index) const;  // raises ListIndexError
  const std::vector<std::string>& Items() const { return items_; }

  std::optional<int> Selected() const { return selected_; }
  const std::string& SelectedText() const;  // raises ListIndexError(-1) when none
  void Select(int index);                   // out of range (or an empty list): no selection
  void ClearSelection();

  void Clear();
  void Append(std::string text);  // placed in order when sorted
  void AppendAll(std::vector<std::string> texts);  // one change for many entries
  void Replace(std::vector<std::string> texts);
  void LoadFromFile(std::string_view path);  // lines of a text file; raises InOutError

  // First entry equal to `text` without regard to letter case.
  std::optional<int> FindIgnoringCase(std::string_view text) const;
  // Selects that entry again after a change of contents; none when there is no such entry.
  void Reselect(std::string_view text) { Select(FindIgnoringCase(text).value_or(-1)); }

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  // What a view shows beside an entry and in its tooltip, by the entry's text. The texts
  // stay as they are for everything that reads them; an entry with none shows nothing more.
  struct Aside {
    std::string beside;
    std::string tip;
    bool operator==(const Aside&) const = default;
  };
  // A change, told to the view, only when they differ from those set before.
  void SetAsides(std::map<std::string, Aside> asides);
  const Aside* AsideOf(const std::string& text) const;
  // Counts the changes of the asides, for a view that shows them.
  int AsidesVersion() const { return asidesVersion_; }

  // Views subscribe here; called after every change of contents or selection.
  void SetListener(Listener listener) { listener_ = std::move(listener); }

 private:
  void Changed();
  void Reorder();
  std::vector<std::string> items_;
  std::optional<int> selected_;
  bool sorted_ = false;
  std::map<std::string, Aside> asides_;
  int asidesVersion_ = 0;
  Listener listener_;
};

}  // namespace vantrel
