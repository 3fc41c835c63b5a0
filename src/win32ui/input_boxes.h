#pragma once
// The window's modal questions that want more than Yes or No, titled "Vantrel" and owned by
// the window so that it waits for them: one of several choices, or a line to type.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::win32ui {

// The ids a test reads and answers the boxes by.
inline constexpr WORD kQuestionId = 100;
inline constexpr WORD kAnswerId = 101;  // the list of choices, or the line

// One of `choices` in a list, the first one picked to start with; none for Cancel.
std::optional<std::size_t> AskChoice(HWND owner, const std::string& question, const std::vector<std::string>& choices);
// A line starting as `text`, all of it selected; none for Cancel.
std::optional<std::string> AskLine(HWND owner, const std::string& question, const std::string& text);

}  // namespace vantrel::win32ui
