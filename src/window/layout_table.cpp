#include "window/layout_table.h"

#include <stdexcept>

namespace vantrel {

namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {Control::Label5, "Label5", K::Label, {24, 16, 106, 16}, "working folder :", "", FontRole::Bold},
    {Control::path, "path", K::FolderBox, {136, 16, 185, 21}, "", ""},
    // Beside the folder box, in the row the reference layout leaves empty there.
    {Control::Game, "Game", K::Button, {336, 14, 113, 25}, "&Other game\u2026",
     "Work on another install of the game: those used before and those found on this machine"},
    {Control::Button1, "Button1", K::Button, {64, 48, 169, 33}, "Refresh &Patch list", ""},
    // Beside Refresh Patch list, in the row the reference layout leaves empty there.
    {Control::AddArchive, "AddArchive", K::Button, {248, 48, 161, 33}, "Add patch from arc&hive\u2026",
     "Unpack a downloaded .zip, .7z, .rar or .tar.gz patch into the working folder (Ctrl+O)"},
    {Control::Button2, "Button2", K::Button, {616, 48, 153, 33}, "Refresh ac&tive patch list", ""},
    {Control::Label1, "Label1", K::Label, {96, 88, 84, 13}, "Available patches", ""},
    {Control::Label2, "Label2", K::Label, {352, 88, 77, 13}, "Destination slots", ""},
    {Control::Label3, "Label3", K::Label, {648, 88, 71, 13}, "Active patches", ""},
    // The two long lists give the top of their reference place to their filter lines.
    {Control::PatchFilter, "PatchFilter", K::FilterLine, {48, 108, 201, 21}, "", ""},
    {Control::ListBox1, "ListBox1", K::List, {48, 132, 201, 245}, "", "", FontRole::List},
    {Control::SlotFilter, "SlotFilter", K::FilterLine, {304, 108, 217, 21}, "", ""},
    {Control::ListBox2, "ListBox2", K::List, {304, 132, 217, 245}, "", "", FontRole::List},
    {Control::ListBox3, "ListBox3", K::List, {608, 112, 177, 265}, "", "", FontRole::List},
    // In the gap between a list and the controls below it, where the reference layout has
    // nothing; wider than the list, so that the longest note fits in any stand-in face.
    {Control::UnlistedPatches, "UnlistedPatches", K::Note, {48, 378, 240, 13}, "", ""},
    {Control::UnlistedActive, "UnlistedActive", K::Note, {608, 378, 240, 13}, "", ""},
    {Control::FMDMavail, "FMDMavail", K::RadioButton, {40, 392, 217, 17}, "Flight Model / Damage Model available", ""},
    {Control::Label4, "Label4", K::Label, {304, 392, 166, 13}, "Selected patch => slot combination", ""},
    {Control::Edit1, "Edit1", K::Edit, {304, 408, 241, 21}, "none", ""},
    {Control::CheckBox1, "CheckBox1", K::CheckBox, {304, 440, 241, 17}, "Enable FM/DM changing",
     "only works if fmparam*.dat available"},
    {Control::CheckBox2, "CheckBox2", K::CheckBox, {304, 464, 177, 17}, "fmparamS.dat / acspecS.dat", ""},
    {Control::CheckBox3, "CheckBox3", K::CheckBox, {304, 488, 177, 17}, "fmparam2.dat / acspecs2.dat", ""},
    {Control::CheckBox4, "CheckBox4", K::CheckBox, {304, 512, 169, 17}, "fmparam3.dat / acspecs3.dat", ""},
    {Control::v, "v", K::Button, {336, 536, 169, 49}, kActivateCaption, ""},
    {Control::Button4, "Button4", K::Button, {632, 536, 145, 49}, "&Deactivate Selected", ""},
    // Under Active patches, above the removal, where the reference layout has nothing.
    {Control::UndoJob, "UndoJob", K::Button, {632, 464, 145, 25}, "&Undo last job",
     "Reverse the last job: remove what it installed and put back what it replaced, or install again what it removed"},
    {Control::RestoreGame, "RestoreGame", K::Button, {632, 496, 145, 25}, "Restore the &game\u2026",
     "Remove every patch and put back every file of the game as it was before the first job"},
    {Control::PatchSets, "PatchSets", K::Button, {664, 432, 113, 25}, "Patch &sets\u2026",
     "Save what is active as a named set, switch to a set, or share one as a file"},
    {Control::ScrollBox1, "ScrollBox1", K::Picture, {40, 592, 309, 169}, "", ""},
    // Beside the preview, where the reference layout has nothing: the job and the readme.
    {Control::Notes, "Notes", K::Tabs, {368, 592, 490, 140}, "", ""},
    // Under the notes, at their right: every job's script, console and outcome in this folder.
    {Control::JobLog, "JobLog", K::Button, {768, 738, 90, 23}, "Job &log", ""},
};

}  // namespace

std::span<const ControlSpec> FormLayout() { return kLayout; }

const ControlSpec& SpecOf(Control id) {
  for (const ControlSpec& entry : kLayout) {
    if (entry.id == id) return entry;
  }
  throw std::logic_error("a control missing from the layout table");
}

}  // namespace vantrel
