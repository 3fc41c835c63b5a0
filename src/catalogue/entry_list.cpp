#include "catalogue/entry_list.h"

#include <algorithm>
#include <numeric>

#include "platform/errors.h"
#include "platform/names.h"
#include "platform/text_file.h"

namespace vantrel {

namespace {

// Ascending order without regard to letter case, as the window's sorted lists show it.
bool LessIgnoringCase(const std::string& a, const std::string& b) { return platform::NtfsNameLess(a, b); }

}  // namespace

const std::string& EntryList::At(int index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  return items_[static_cast<std::size_t>(index)];
}

const std::string& EntryList::SelectedText() const { return At(selected_.value_or(-1)); }

void EntryList::Select(int index) {
  if (index >= 0 && index < Count()) {
    selected_ = index;
  } else {
    selected_.reset();
  }
  Changed();
}

void EntryList::ClearSelection() {
  selected_.reset();
  Changed();
}

void EntryList::Clear() {
  items_.clear();
  selected_.reset();
  Changed();
}

void EntryList::Append(std::string text) {
  auto pos = items_.end();
  if (sorted_) pos = std::upper_bound(items_.begin(), items_.end(), text, LessIgnoringCase);
  const int index = static_cast<int>(pos - items_.begin());
  items_.insert(pos, std::move(text));
  if (selected_ && *selected_ >= index) ++*selected_;
  Changed();
}

void EntryList::AppendAll(std::vector<std::string> texts) {
  for (auto& text : texts) items_.push_back(std::move(text));
  if (sorted_) Reorder();
  Changed();
}

void EntryList::Replace(std::vector<std::string> texts) {
  items_ = std::move(texts);
  selected_.reset();
  if (sorted_) Reorder();
  Changed();
}

void EntryList::LoadFromFile(std::string_view path) { Replace(platform::ReadTextLines(path)); }

std::optional<int> EntryList::FindIgnoringCase(std::string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (platform::SameNameIgnoringCase(items_[static_cast<std::size_t>(i)], text)) return i;
  }
  return std::nullopt;
}

void EntryList::SetSorted(bool sorted) {
  if (sorted_ == sorted) return;
  sorted_ = sorted;
  if (sorted_) {
    Reorder();
    Changed();
  }
}

// Sorts the entries; the selected entry stays selected at its new place.
void EntryList::Reorder() {
  std::vector<std::size_t> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [this](std::size_t a, std::size_t b) { return LessIgnoringCase(items_[a], items_[b]); });
  std::vector<std::string> sorted;
  sorted.reserve(items_.size());
  std::optional<int> selected;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (selected_ && order[i] == static_cast<std::size_t>(*selected_)) selected = static_cast<int>(i);
    sorted.push_back(std::move(items_[order[i]]));
  }
  items_ = std::move(sorted);
  selected_ = selected;
}

void EntryList::SetAsides(std::map<std::string, Aside> asides) {
  if (asides == asides_) return;
  asides_ = std::move(asides);
  ++asidesVersion_;
  Changed();
}

const EntryList::Aside* EntryList::AsideOf(const std::string& text) const {
  const auto found = asides_.find(text);
  return found == asides_.end() ? nullptr : &found->second;
}

void EntryList::Changed() {
  if (listener_) listener_();
}

}  // namespace vantrel
