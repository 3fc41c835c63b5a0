#include "window/status_worker.h"

#include <exception>

namespace vantrel {

void StatusWorker::Start(const Catalogue& cat, Read read, Done done) {
  if (running_) {
    again_ = Asked{&cat, std::move(read), std::move(done)};
    return;
  }
  if (thread_.joinable()) thread_.join();
  running_ = true;
  read_ = std::move(read);
  done_ = std::move(done);
  thread_ = std::thread([this, &cat, told = told_] {
    // Once the worker has stopped, `this` may be gone by the time a task runs.
    const auto read = [this, told](std::optional<std::vector<InstalledPatch>> installed) {
      post_([this, told, installed = std::move(installed)] {
        if (!told->dropped) read_(installed);
      });
    };
    std::optional<GameStatus> status;
    std::string failure;
    bool wasRead = false;
    try {
      status = CheckGameStatus(cat, [&](std::vector<InstalledPatch> installed) {
        wasRead = true;
        read(std::move(installed));
      });
    } catch (const std::exception& error) {
      failure = error.what();
    }
    if (!wasRead) read(std::nullopt);
    post_([this, told, status = std::move(status), failure = std::move(failure)] {
      if (!told->dropped) Finished(status, failure);
    });
  });
}

void StatusWorker::Finished(const std::optional<GameStatus>& status, const std::string& failure) {
  running_ = false;
  if (thread_.joinable()) thread_.join();
  if (again_) {
    Asked asked = std::move(*again_);
    again_.reset();
    return Start(*asked.cat, std::move(asked.read), std::move(asked.done));
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
