#pragma once
// One window per test, shown (under Wine's null driver it is drawn nowhere), its events
// recorded by name, the texts of its error messages recorded instead of shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "win32ui/form_events.h"
#include "win32ui/main_window.h"
#include "win32ui/win32_form_view.h"

namespace vantrel::win32ui::testing {

// Each event as "Clicked v", "Picked ListBox1", ...; FolderTextChanged with the folder box's
// text at the time, as the presenter would read it.
class RecordingEvents : public FormEvents {
 public:
  std::vector<std::string> seen;
  std::function<std::string()> folderText;
  std::function<void()> onClick;  // run inside Clicked, after recording it

  void Activated() override { seen.push_back("Activated"); }
  void Clicked(Control control) override {
    seen.push_back("Clicked " + Name(control));
    if (onClick) onClick();
  }
  void Picked(Control list) override { seen.push_back("Picked " + Name(list)); }
  void Entered(Control list) override { seen.push_back("Entered " + Name(list)); }
  void FolderTextChanged() override { seen.push_back("FolderTextChanged " + (folderText ? folderText() : "")); }
  void RefreshKey() override { seen.push_back("RefreshKey"); }
  void Dropped(const std::vector<std::string>& files) override {
    for (const std::string& file : files) seen.push_back("Dropped " + file);
  }
  void JobEnded() override { seen.push_back("JobEnded"); }
  bool RepairOffered() override { return false; }
  void RepairAsked() override { seen.push_back("RepairAsked"); }
  bool CloseAsked() override {
    seen.push_back("CloseAsked");
    return closes;
  }
  bool closes = true;  // the answer to CloseAsked

  static std::string Name(Control control) { return std::string(SpecOf(control).name); }
};

// Runs the messages waiting, through the window's keys as the program's loop does.
void Pump(MainWindow& window);

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();

  HWND Of(Control control) const { return window.ControlWindow(control); }
  // The control's place in the window's client area.
  Box PlaceOf(Control control) const;
  void Pump() { testing::Pump(window); }
  // A key pressed on `target` (down, its character, up), through the message loop's path.
  void Press(HWND target, UINT key);
  // What the view's ShowPicture decodes: the pictures by file name; others raise.
  std::map<std::string, Picture> pictures;

  Catalogue cat;
  MainWindow window;
  Win32FormView view;
  RecordingEvents events;
  std::vector<std::string> startEvents;  // what showing the window forwarded
  std::vector<std::string> messages;
};

// A picture of `width` × `height` whose pixel (x, y) is (x, y, x + y) modulo 256.
Picture GradientPicture(int width, int height);

// The 32-bit pixels (blue, green, red, unused) of `bitmap`, top row first.
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height);
// A colour as those pixels hold it.
std::uint32_t Bgr(int red, int green, int blue);
// What `control` paints of its client area, as WM_PRINTCLIENT has it paint into a bitmap of our own.
std::vector<std::uint32_t> Painted(HWND control, int width, int height);

std::wstring ClassOf(HWND window);

}  // namespace vantrel::win32ui::testing
