#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>
#include <string>

#include "app/folder_dialog.h"
#include "platform/errors.h"
#include "platform/win32_text.h"

namespace vantrel::app {

using platform::detail::Utf8;
using platform::detail::Wide;

namespace {

struct Release {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T>
using Com = std::unique_ptr<T, Release>;

struct FreeTaskMemory {
  void operator()(wchar_t* text) const { ::CoTaskMemFree(text); }
};
using TaskText = std::unique_ptr<wchar_t, FreeTaskMemory>;

// COM for the dialog, on this thread, for as long as it is up; a thread that has it already
// keeps it as it was.
class ComOnThisThread {
 public:
  ComOnThisThread() : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComOnThisThread() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComOnThisThread(const ComOnThisThread&) = delete;
  ComOnThisThread& operator=(const ComOnThisThread&) = delete;

 private:
  HRESULT hr_;
};

void Check(HRESULT hr) {
  if (FAILED(hr)) {
    throw Error("The folder dialog cannot be shown (error " + std::to_string(static_cast<unsigned long>(hr)) + ").");
  }
}

std::string KnownFolder(REFKNOWNFOLDERID id) {
  wchar_t* path = nullptr;
  const HRESULT hr = ::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path);
  const TaskText owned(path);  // freed whether or not the call succeeded
  return SUCCEEDED(hr) && path ? Utf8(path) : "";
}

}  // namespace

std::string HomeFolder() {
  const std::string documents = KnownFolder(FOLDERID_Documents);
  return documents.empty() ? KnownFolder(FOLDERID_Profile) : documents;
}

// The system's folder picker (IFileOpenDialog picking folders), owned by no window: the
// program's window is not up yet.
std::string AskForWorkingFolder(const std::string& start, const std::string& why) {
  if (!why.empty()) ::MessageBoxW(nullptr, Wide(why).c_str(), Wide(kFolderDialogTitle).c_str(), MB_OK | MB_ICONWARNING);
  const ComOnThisThread com;
  IFileOpenDialog* made = nullptr;
  Check(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&made)));
  const Com<IFileOpenDialog> dialog(made);
  FILEOPENDIALOGOPTIONS options = 0;
  Check(dialog->GetOptions(&options));
  Check(dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST));
  Check(dialog->SetTitle(Wide(kFolderDialogTitle).c_str()));
  IShellItem* startItem = nullptr;
  // A start that cannot be found leaves the dialog where the system puts it.
  if (!start.empty() &&
      SUCCEEDED(::SHCreateItemFromParsingName(Wide(start).c_str(), nullptr, IID_PPV_ARGS(&startItem)))) {
    const Com<IShellItem> startFolder(startItem);
    Check(dialog->SetFolder(startFolder.get()));
  }
  const HRESULT shown = dialog->Show(nullptr);
  if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return "";
  Check(shown);
  IShellItem* chosenItem = nullptr;
  Check(dialog->GetResult(&chosenItem));
  const Com<IShellItem> chosen(chosenItem);
  wchar_t* path = nullptr;
  Check(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path));
  const TaskText owned(path);
  return Utf8(path);
}

}  // namespace vantrel::app
