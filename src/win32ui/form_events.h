#pragma once
// What the window tells about its controls: the events of the presenter, by the same names.
// The window forwards to this interface, so that it knows no presenter and its tests can
// record what it forwards.
#include <string>
#include <vector>

#include "window/layout_table.h"

namespace vantrel::win32ui {

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void Activated() = 0;
  virtual void Clicked(Control control) = 0;
  virtual void Picked(Control list) = 0;
  virtual void Entered(Control list) = 0;
  virtual void FolderTextChanged() = 0;
  virtual void RefreshKey() = 0;
  // Files dropped on the window, by their full paths.
  virtual void Dropped(const std::vector<std::string>& files) = 0;
  virtual void JobEnded() = 0;
  // Active patches' menu: whether "Repair" is offered for the picked entry, and its choice.
  virtual bool RepairOffered() = 0;
  virtual void RepairAsked() = 0;
  // The user closes the window: true when it may close now.
  virtual bool CloseAsked() = 0;
};

// The events passed on to anything with these members, the presenter first of all.
template <typename Target>
class EventsTo final : public FormEvents {
 public:
  explicit EventsTo(Target& target) : target_(target) {}
  void Activated() override { target_.Activated(); }
  void Clicked(Control control) override { target_.Clicked(control); }
  void Picked(Control list) override { target_.Picked(list); }
  void Entered(Control list) override { target_.Entered(list); }
  void FolderTextChanged() override { target_.FolderTextChanged(); }
  void RefreshKey() override { target_.RefreshKey(); }
  void Dropped(const std::vector<std::string>& files) override { target_.Dropped(files); }
  void JobEnded() override { target_.JobEnded(); }
  bool RepairOffered() override { return target_.RepairOffered(); }
  void RepairAsked() override { target_.RepairAsked(); }
  bool CloseAsked() override { return target_.CloseAsked(); }

 private:
  Target& target_;
};

}  // namespace vantrel::win32ui
