#pragma once
// POSIX: what a program started now needs to keep the folder lock this process holds
// (folder_lock.h), so that a job's shell holds the folder for as long as it runs, should its
// starter end first. Every way of starting a job's shell hands the lock over alike, whether
// through posix_spawn (RunningProgram) or through a toolkit's own process class.
#include <string>

namespace vantrel::platform {

struct FolderLockHandover {
  // The open lock file of the current folder while this process holds its lock, else -1.
  // The started program must get it open across exec (KeepOpenAcrossExec).
  int lockFile = -1;
  // The environment variable that names the handed lock file to our shell, and its value.
  // Without a lock file to hand, the program's environment must not have the variable at
  // all: one this process was handed itself names a descriptor the program does not get.
  std::string variable;
  std::string value;
};

FolderLockHandover HandOverFolderLock();

// In the started program, between fork and exec: keeps `lockFile` open across exec. Makes
// only the calls that are safe there.
void KeepOpenAcrossExec(int lockFile);

}  // namespace vantrel::platform
