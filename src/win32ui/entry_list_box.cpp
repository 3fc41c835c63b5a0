#include "win32ui/entry_list_box.h"

#include <algorithm>

#include "window/list_filter.h"
#include "platform/win32_text.h"
#include "win32ui/entry_drawing.h"

namespace vantrel::win32ui {

using platform::detail::Wide;

EntryListBox::EntryListBox(HWND box, EntryList& list) : box_(box), list_(list) {
  list_.SetListener([this] { ShowList(); });
  Refill();
  ShowList();
}

EntryListBox::~EntryListBox() { list_.SetListener(nullptr); }

std::optional<int> EntryListBox::EntryAt(int shown) const {
  if (shown < 0 || static_cast<std::size_t>(shown) >= shown_.size()) return std::nullopt;
  return shown_[static_cast<std::size_t>(shown)];
}

namespace {

constexpr std::string_view kMarkSign = "! ";

}  // namespace

std::optional<int> EntryListBox::ShownAt(POINT at) const {
  const auto hit = static_cast<DWORD>(::SendMessageW(box_, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y)));
  if (HIWORD(hit) != 0) return std::nullopt;  // below the last entry
  return LOWORD(hit);
}

std::string EntryListBox::TipAt(POINT at) const {
  const std::optional<int> shown = ShownAt(at);
  const std::optional<int> entry = shown ? EntryAt(*shown) : std::nullopt;
  if (!entry) return "";
  std::string tip = CutEntryAt(at).value_or("");
  const std::string& text = list_.Items()[static_cast<std::size_t>(*entry)];
  // Why it is marked, then what it shows beside it and its own tip.
  if (const auto mark = marks_.find(text); mark != marks_.end()) tip += (tip.empty() ? "" : "\n") + mark->second;
  if (const EntryList::Aside* aside = list_.AsideOf(text)) {
    for (const std::string* line : {&aside->beside, &aside->tip}) {
      if (!line->empty()) tip += (tip.empty() ? "" : "\n") + *line;
    }
  }
  return tip;
}

std::optional<std::string> EntryListBox::CutEntryAt(POINT at) const {
  const std::optional<int> hit = ShownAt(at);
  if (!hit) return std::nullopt;
  const int shown = *hit;
  const std::optional<int> entry = EntryAt(shown);
  if (!entry) return std::nullopt;
  const std::string& text = list_.Items()[static_cast<std::size_t>(*entry)];
  RECT item{};
  ::SendMessageW(box_, LB_GETITEMRECT, static_cast<WPARAM>(shown), reinterpret_cast<LPARAM>(&item));
  const std::wstring wide = Wide((marks_.contains(text) ? std::string(kMarkSign) : std::string()) + text);
  const HDC dc = ::GetDC(box_);
  const HGDIOBJ earlier = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(box_, WM_GETFONT, 0, 0)));
  const int width = kEntryInset + TextWidth(dc, wide);
  ::SelectObject(dc, earlier);
  ::ReleaseDC(box_, dc);
  if (width <= item.right - item.left) return std::nullopt;
  return text;
}

void EntryListBox::Draw(const DRAWITEMSTRUCT& item) const {
  const auto shown = static_cast<int>(item.itemID);
  const std::optional<int> entry = EntryAt(shown);
  if (!entry) {  // an empty list with the focus
    if (item.itemState & ODS_FOCUS) ::DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  std::wstring text(static_cast<std::size_t>(::SendMessageW(box_, LB_GETTEXTLEN, item.itemID, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::SendMessageW(box_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()))));
  DrawEntry(item, {std::move(text), besides_[static_cast<std::size_t>(shown)],
                   marks_.contains(texts_[static_cast<std::size_t>(*entry)])});
}

void EntryListBox::SetMarks(std::map<std::string, std::string> marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  Refill();
  ShowList();
}

bool EntryListBox::TakePick() {
  const auto entry = EntryAt(static_cast<int>(::SendMessageW(box_, LB_GETCURSEL, 0, 0)));
  if (!entry) return false;
  list_.Select(*entry);
  return true;
}

// Unlike the control's own search, a key typed again is not a step to the next entry: codes
// such as "0001" repeat digits.
bool EntryListBox::TypeAhead(char key, long long now) {
  const std::string& typed = typeAhead_.Add(key, now);
  const std::optional<std::size_t> found = FirstStartingWith(list_.Items(), typed, [this](std::size_t row) {
    return MatchesFilter(list_.Items()[row], filter_);
  });
  if (!found || list_.Selected() == static_cast<int>(*found)) return false;
  list_.Select(static_cast<int>(*found));
  return true;
}

void EntryListBox::SetFilter(std::string filter) {
  filter_ = std::move(filter);
  Refill();
  ShowList();
}

// The control's own move starts at its caret, which may stand on no entry in view.
bool EntryListBox::Move(ListMove move) {
  const std::vector<std::size_t> inView(shown_.begin(), shown_.end());
  const std::optional<int> selected = list_.Selected();
  const auto picked = selected ? std::optional<std::size_t>(static_cast<std::size_t>(*selected)) : std::nullopt;
  const std::optional<std::size_t> row = RowAfterMove(move, inView, picked, static_cast<std::size_t>(RowsInView()));
  if (!row || static_cast<int>(*row) == selected) return false;
  list_.Select(static_cast<int>(*row));
  return true;
}

int EntryListBox::RowsInView() const {
  RECT client{};
  ::GetClientRect(box_, &client);
  const auto height = static_cast<int>(::SendMessageW(box_, LB_GETITEMHEIGHT, 0, 0));
  return height > 0 ? std::max(1, static_cast<int>(client.bottom) / height) : 1;
}

void EntryListBox::KeepInView(std::size_t row) {
  const auto at = std::find(shown_.begin(), shown_.end(), static_cast<int>(row));
  if (at == shown_.end()) return;
  const auto index = static_cast<int>(at - shown_.begin());
  const auto top = static_cast<int>(::SendMessageW(box_, LB_GETTOPINDEX, 0, 0));
  const int rows = RowsInView();
  if (index < top) {
    ::SendMessageW(box_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  } else if (index >= top + rows) {
    ::SendMessageW(box_, LB_SETTOPINDEX, static_cast<WPARAM>(index - rows + 1), 0);
  }
}

void EntryListBox::ScrollToTop(std::size_t row) {
  const auto first = std::lower_bound(shown_.begin(), shown_.end(), static_cast<int>(row));
  if (first == shown_.end()) return;
  ::SendMessageW(box_, LB_SETTOPINDEX, static_cast<WPARAM>(first - shown_.begin()), 0);
}

// The entry list reports selection changes and changes of the asides through the same
// notification; only a change of texts refills the control (a refill would lose its scroll
// position).
void EntryListBox::ShowList() {
  if (list_.Items() != texts_) {
    Refill();
  } else if (asidesShown_ != list_.AsidesVersion()) {
    besides_ = BesidesOf(shown_);
    asidesShown_ = list_.AsidesVersion();
    ::InvalidateRect(box_, nullptr, TRUE);
  }
  const auto selected = list_.Selected();
  const auto at = selected ? std::find(shown_.begin(), shown_.end(), *selected) : shown_.end();
  const WPARAM row = at == shown_.end() ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(at - shown_.begin());
  ::SendMessageW(box_, LB_SETCURSEL, row, 0);
}

std::vector<std::wstring> EntryListBox::BesidesOf(const std::vector<int>& shown) const {
  std::vector<std::wstring> besides;
  for (const int row : shown) {
    const EntryList::Aside* aside = list_.AsideOf(list_.Items()[static_cast<std::size_t>(row)]);
    besides.push_back(aside ? Wide(aside->beside) : std::wstring());
  }
  return besides;
}

void EntryListBox::Refill() {
  // Converted before the control is touched: a text that cannot be shown leaves it as it was.
  std::vector<std::wstring> rows;
  std::vector<int> shown;
  const std::vector<std::string>& texts = list_.Items();
  for (std::size_t row = 0; row < texts.size(); ++row) {
    if (!MatchesFilter(texts[row], filter_)) continue;
    rows.push_back(Wide((marks_.contains(texts[row]) ? std::string(kMarkSign) : std::string()) + texts[row]));
    shown.push_back(static_cast<int>(row));
  }
  besides_ = BesidesOf(shown);
  asidesShown_ = list_.AsidesVersion();
  texts_ = texts;
  shown_ = std::move(shown);
  ::SendMessageW(box_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(box_, LB_RESETCONTENT, 0, 0);
  ::SendMessageW(box_, LB_INITSTORAGE, rows.size(), 0);
  for (const std::wstring& row : rows) ::SendMessageW(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  ::SendMessageW(box_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(box_, nullptr, TRUE);
}

}  // namespace vantrel::win32ui
