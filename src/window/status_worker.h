#pragma once
// The status of the installed patches, checked on a thread of its own: hashing a changed
// archive of half a gigabyte must not keep the window's lists waiting, nor reading a thousand
// ledger entries its start. What the check reads and finds comes back on the window's thread,
// through the view: first the installed patches, as soon as they are read, then their status.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/installed.h"
#include "engine/patch_status.h"

namespace vantrel {

class StatusWorker {
 public:
  // Runs a task on the window's thread once the events before it are handled; called from the
  // checking thread.
  using Post = std::function<void(std::function<void()>)>;
  // The check's outcome on the window's thread: the status, or the text of what it raised.
  using Done = std::function<void(const std::optional<GameStatus>& status, const std::string& failure)>;
  // The installed patches as the check found them, before it hashes anything; none when they
  // could not be read (the check's outcome then tells why).
  using Read = std::function<void(const std::optional<std::vector<InstalledPatch>>& installed)>;

  explicit StatusWorker(Post post) : post_(std::move(post)) {}
  ~StatusWorker() { Stop(); }
  StatusWorker(const StatusWorker&) = delete;
  StatusWorker& operator=(const StatusWorker&) = delete;

  // Checks the current folder's installed patches (`cat` gives the slot names, which never
  // change). Asked while a check runs, it checks again once that one ends, and only the
  // later outcome is told.
  void Start(const Catalogue& cat, Read read, Done done);
  // Waits for a running check and drops its outcome: the current folder is about to change.
  void Stop();
  bool Running() const { return running_; }

 private:
  struct Told {
    bool dropped = false;  // read and written on the window's thread alone
  };
  struct Asked {
    const Catalogue* cat;
    Read read;
    Done done;
  };
  void Finished(const std::optional<GameStatus>& status, const std::string& failure);

  Post post_;
  std::thread thread_;
  std::shared_ptr<Told> told_ = std::make_shared<Told>();
  bool running_ = false;
  Read read_;
  Done done_;
  std::optional<Asked> again_;
};

}  // namespace vantrel
