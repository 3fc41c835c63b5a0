#include "win32ui/dialog_template.h"

namespace vantrel::win32ui {

namespace {

constexpr WORD kFacePoints = 8;
constexpr const wchar_t* kFace = L"MS Shell Dlg";

// The places and sizes of a template are 16-bit.
WORD Units(LONG units) { return static_cast<WORD>(static_cast<short>(units)); }

}  // namespace

// DLGTEMPLATE: style, extended style, the number of controls, the box; then no menu, the
// standard class, the title and the face.
DialogTemplate::DialogTemplate(const std::wstring& title, DWORD style, SIZE units) {
  Put(style | DS_SETFONT);
  Put(DWORD{0});
  words_.push_back(0);  // the controls, counted by Add
  for (const LONG value : {LONG{0}, LONG{0}, units.cx, units.cy}) words_.push_back(Units(value));
  words_.push_back(0);
  words_.push_back(0);
  Put(title);
  words_.push_back(kFacePoints);
  Put(kFace);
}

// DLGITEMTEMPLATE, on a DWORD boundary: style, extended style, the box, the id; then the
// class and the text by name, and no creation data.
void DialogTemplate::Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, RECT units, WORD id) {
  AlignToDword();
  Put(style | WS_CHILD | WS_VISIBLE);
  Put(DWORD{0});
  for (const LONG value : {units.left, units.top, units.right - units.left, units.bottom - units.top}) {
    words_.push_back(Units(value));
  }
  words_.push_back(id);
  Put(windowClass);
  Put(text);
  words_.push_back(0);
  ++words_[4];
}

void DialogTemplate::Put(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::Put(const std::wstring& text) {
  words_.insert(words_.end(), text.begin(), text.end());
  words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

}  // namespace vantrel::win32ui
