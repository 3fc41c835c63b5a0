#pragma once
// The texts cmd shows, byte for byte, and the one place that turns a file error into them.
#include <exception>
#include <string>
#include <string_view>

#include "platform/errors.h"

namespace vantrel::cmdshell {

inline constexpr const char* kNewLine = "\r\n";

inline constexpr const char* kFileNotFound = "The system cannot find the file specified.";
inline constexpr const char* kPathNotFound = "The system cannot find the path specified.";
inline constexpr const char* kAccessDenied = "Access is denied.";
inline constexpr const char* kCannotOpen = "The system cannot open the file.";
inline constexpr const char* kDiskFull = "There is not enough space on the disk.";
inline constexpr const char* kBadName = "The filename, directory name, or volume label syntax is incorrect.";
inline constexpr const char* kSyntaxIncorrect = "The syntax of the command is incorrect.";
inline constexpr const char* kLineTooLong = "The input line is too long.";
// cmd would join the files into one; our scripts never ask for that, so it is refused.
inline constexpr const char* kCannotJoinFiles = "Cannot copy several files into one file: the target must be a folder.";
inline constexpr const char* kCouldNotFind = "Could Not Find ";
inline constexpr const char* kAreYouSure = ", Are you sure (Y/N)? ";
inline constexpr const char* kPressAnyKey = "Press any key to continue . . . ";
inline constexpr const char* kEchoIsOn = "ECHO is on.";
inline constexpr const char* kEchoIsOff = "ECHO is off.";
inline constexpr const char* kNotRecognizedTail = "' is not recognized as an internal or external command,";
inline constexpr const char* kNotRecognizedLast = "operable program or batch file.";
inline constexpr const char* kInvalidSwitch = "Invalid switch - ";

inline constexpr int kErrorLevelNotRecognized = 9009;
// cmd's limit on a line after "%" expansion.
inline constexpr std::size_t kMaxLineLength = 8191;

// What cmd says for a failure: the Windows text for a file error's number, else the
// error's own text.
std::string MessageFor(const std::exception& error);

// Ours, after the script: "2 lines of 0305.bat failed; the job did not do all its work:".
std::string FailedLinesHeading(std::string_view script, std::size_t count);

// "        1 file(s) copied.": the count right-aligned in nine places.
std::string FileCountLine(int count, const char* verb);

}  // namespace vantrel::cmdshell
