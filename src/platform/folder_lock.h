#pragma once
// One job at a time per working folder. A scan holds this lock while it writes the scan
// list, a command-line job for the whole job, a window from before it prepares a job until
// the job's outcome is logged, and our job shell for its script's whole run, so that two
// jobs started at once run one after the other instead of each reading what the other is
// halfway through writing. A program started while this process holds the lock shares it
// (the same open file): a job's shell keeps it when the front end that started it is
// killed, and ours takes it at once instead of waiting for that front end.
#include <chrono>
#include <string>

namespace vantrel::platform {

// The lock file in the working folder; it stays there between jobs.
inline constexpr char kFolderLockFile[] = "vantrel.lock";
// Raised (as Error) when another job keeps the folder longer than the wait.
inline constexpr char kFolderBusyText[] =
    "Another Vantrel job is still running in this folder; try again when it has finished.";

// Holds the lock of the current folder for as long as it lives, and keeps holding it after
// a change of current folder. A lock taken by another process is waited for, up to `wait`.
// Within this process the lock is counted per folder: a second FolderLock on a folder this
// process already holds (a command around a scan that locks too) is granted at once, and the
// folder is released when the last one ends. The program runs one thread, so the count is
// not guarded against threads.
class FolderLock {
 public:
  static constexpr std::chrono::milliseconds kDefaultWait = std::chrono::seconds(60);

  // Raises Error(kFolderBusyText) once `wait` has passed, InOutError naming the lock file
  // when it cannot be opened or created (5 for a folder standing in its place).
  explicit FolderLock(std::chrono::milliseconds wait = kDefaultWait);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  std::string folder_;  // the identity of the locked folder, as the holder count knows it
};

}  // namespace vantrel::platform
