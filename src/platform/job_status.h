#pragma once
// The status file of a job run in a terminal window. A terminal emulator may return at once
// and hand the job to a server of its own, so its exit says nothing about the job's; the
// shell itself tells the program that started it: "running PID" while it runs, "exit N"
// once it has ended with status N.
#include <optional>
#include <string>

namespace vantrel::platform {

struct JobStatus {
  enum class State { NotStarted, Running, Ended };
  State state = State::NotStarted;
  int value = 0;  // the shell's process id while it runs, its exit status once it has ended
};

// Each write replaces the whole file at once, so a reader never sees half a line.
void WriteJobStatus(const std::string& path, const std::string& line);
void WriteJobRunning(const std::string& path);
void WriteJobEnded(const std::string& path, int status);

// Whether the process `pid` is still there (the terminal a job was started in, its shell).
bool ProcessRunning(long pid);

// What the file says; a job whose shell died without saying it ended (its terminal closed
// under it) reads as ended with status 1.
JobStatus ReadJobStatus(const std::string& path);

}  // namespace vantrel::platform
