#pragma once
// The window's reference layout, in pixels at 96 pixels per inch: every control the window
// shows by its layout name, with its kind, its place, its caption, its hint and its font.
// Knows no toolkit; the Qt view and the Win32 view both build their controls from it, and a
// view scales the places for its screen.
#include <cstddef>
#include <span>
#include <string_view>

#include "engine/working_folder.h"
#include "window/window_fit.h"

namespace vantrel {

// The controls, by their layout names ("v" is the activation button). Ours beside the
// reference layout: AddArchive, the filter lines, the unlisted notes, the ways back (UndoJob,
// RestoreGame), the patch sets, the notes tabs and the job log's button.
enum class Control {
  Label5,
  path,
  Game,
  Button1,
  AddArchive,
  Button2,
  Label1,
  Label2,
  Label3,
  PatchFilter,
  ListBox1,
  SlotFilter,
  ListBox2,
  ListBox3,
  UnlistedPatches,
  UnlistedActive,
  FMDMavail,
  Label4,
  Edit1,
  CheckBox1,
  CheckBox2,
  CheckBox3,
  CheckBox4,
  v,
  Button4,
  UndoJob,
  RestoreGame,
  PatchSets,
  ScrollBox1,
  Notes,
  JobLog,
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::JobLog) + 1;

enum class ControlKind { Label, FolderBox, Button, FilterLine, List, Note, RadioButton, Edit, CheckBox, Picture, Tabs };

// The window's faces by pixel height at 96 dpi: text in the window's face, the working folder
// label in bold, the lists in the fixed-pitch face so that the codes line up.
enum class FontRole { Window, Bold, List };
inline constexpr int kWindowFontPixels = 11;
inline constexpr int kBoldFontPixels = 13;
inline constexpr int kListFontPixels = 11;
inline constexpr int kListItemHeight = 14;

struct ControlSpec {
  Control id;
  std::string_view name;
  ControlKind kind;
  Box box;
  std::string_view caption;  // "&" marks the Alt-letter and is not shown
  std::string_view hint;     // the tooltip; empty for none
  FontRole font = FontRole::Window;
};

// Whether Tab stops at a control of the kind: labels and notes are read, not used, and the
// model files' radio button only shows whether the picked patch brings them.
constexpr bool TakesTabStop(ControlKind kind) {
  return kind != ControlKind::Label && kind != ControlKind::Note && kind != ControlKind::RadioButton;
}

// The controls in tab order: the way the eye reads the window, the folder, the refreshes, the
// lists left to right, the combination and its model controls, the two jobs, the ways back,
// the notes.
std::span<const ControlSpec> FormLayout();
const ControlSpec& SpecOf(Control id);

// The window's outer box at 96 dpi, and its title before the first scan. It may be as low as
// its lists and panels can shrink (window_fit.h), and as narrow.
inline constexpr Box kWindowOuterBox{273, 142, 875, 868};
inline constexpr int kShortestWindowHeight = kWindowOuterBox.height - kMostShrink.Total();
inline constexpr int kNarrowestWindowWidth = kWindowOuterBox.width - kMostShrink.Across();
inline constexpr std::string_view kWindowTitle = "Vantrel";

// The working folders the folder box offers, the game's own, and the text it shows before the
// first scan.
inline constexpr const auto& kFolderChoices = kWorkingFolderNames;
inline constexpr std::string_view kFolderBoxText = "path";
inline constexpr std::string_view kFilterPlaceholder = "Filter by code or name";

// The activation button's caption, put back by its handler after "Working......".
inline constexpr const char* kActivateCaption = "&Activate this choice";
// The deactivation button's caption from its first use on: a lower-case "s", its Alt-letter kept.
inline constexpr const char* kDeactivateCaption = "&Deactivate selected";

}  // namespace vantrel
