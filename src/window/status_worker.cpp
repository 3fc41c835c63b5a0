#include "window/status_worker.h"

#include <exception>

namespace vantrel {

void StatusWorker::Start(const Catalogue& cat, Done done) {
  if (running_) {
    again_.emplace(&cat, std::move(done));
    return;
  }
  if (thread_.joinable()) thread_.join();
  running_ = true;
  done_ = std::move(done);
  thread_ = std::thread([this, &cat, told = told_] {
    std::optional<GameStatus> status;
    std::string failure;
    try {
      status = CheckGameStatus(cat);
    } catch (const std::exception& error) {
      failure = error.what();
    }
    // Once the worker has stopped, `this` may be gone by the time the task runs.
    post_([this, told, status = std::move(status), failure = std::move(failure)] {
      if (!told->dropped) Finished(status, failure);
    });
  });
}

void StatusWorker::Finished(const std::optional<GameStatus>& status, const std::string& failure) {
  running_ = false;
  if (thread_.joinable()) thread_.join();
  if (again_) {
    auto [cat, done] = std::move(*again_);
    again_.reset();
    return Start(*cat, std::move(done));
  }
  Done done = std::move(done_);
  done(status, failure);
}

void StatusWorker::Stop() {
  told_->dropped = true;
  if (thread_.joinable()) thread_.join();
  told_ = std::make_shared<Told>();
  running_ = false;
  again_.reset();
}

}  // namespace vantrel
