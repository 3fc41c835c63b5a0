#pragma once
// How names are put into job script lines so that the shell reads them back unchanged.
#include <string>
#include <string_view>

namespace vantrel {

// The shell expands "%" even inside quotes, so every "%" of a name is doubled; a single
// one would make the line name another file.
std::string ScriptName(std::string_view name);

// A name between double quotes, as the object scripts write their sources and markers.
std::string QuotedName(std::string_view name);

// A path written unquoted by the script forms (volume paths, copy targets): quoted only
// when it holds a blank or one of & | < > ^ ( ) , ; =, which the shell would otherwise take
// as a separator or a command of its own, or a +, which copy takes for joining two files.
// Other paths are written as they are.
std::string ShellPath(std::string_view path);

// `text` from its `position`-th character (counted from 1, so at least 1) to its end;
// "" when it is shorter.
std::string_view From(std::string_view text, std::size_t position);

// How a copy line is laid out around its quoted source and its target.
struct CopyForm {
  std::string_view head;          // up to the opening quote
  std::string_view beforeTarget;  // after the closing quote
  std::string_view targetFolder;  // written before the target name
};
inline constexpr CopyForm kObjectCopy{"copy ", "  ", ".\\"};  // shapes and textures
inline constexpr CopyForm kBitmapCopy{"copy  ", " ", ""};     // type-indexed bitmaps, damage table

std::string CopyLine(CopyForm form, std::string_view source, std::string_view target);

// The trailer line by which a job script deletes itself once the shell reaches it.
std::string SelfDeletionLine(std::string_view scriptName);

}  // namespace vantrel
