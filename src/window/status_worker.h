#pragma once
// The status of the installed patches, checked on a thread of its own: hashing a changed
// archive of half a gigabyte must not keep the window's lists waiting. What the check finds
// comes back on the window's thread, through the view.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "catalogue/catalogue.h"
#include "engine/patch_status.h"

namespace vantrel {

class StatusWorker {
 public:
  // Runs a task on the window's thread once the events before it are handled; called from the
  // checking thread.
  using Post = std::function<void(std::function<void()>)>;
  // The check's outcome on the window's thread: the status, or the text of what it raised.
  using Done = std::function<void(const std::optional<GameStatus>& status, const std::string& failure)>;

  explicit StatusWorker(Post post) : post_(std::move(post)) {}
  ~StatusWorker() { Stop(); }
  StatusWorker(const StatusWorker&) = delete;
  StatusWorker& operator=(const StatusWorker&) = delete;

  // Checks the current folder's installed patches (`cat` gives the slot names, which never
  // change). Asked while a check runs, it checks again once that one ends, and only the
  // later outcome is told.
  void Start(const Catalogue& cat, Done done);
  // Waits for a running check and drops its outcome: the current folder is about to change.
  void Stop();
  bool Running() const { return running_; }

 private:
  struct Told {
    bool dropped = false;  // read and written on the window's thread alone
  };
  void Finished(const std::optional<GameStatus>& status, const std::string& failure);

  Post post_;
  std::thread thread_;
  std::shared_ptr<Told> told_ = std::make_shared<Told>();
  bool running_ = false;
  Done done_;
  std::optional<std::pair<const Catalogue*, Done>> again_;
};

}  // namespace vantrel
