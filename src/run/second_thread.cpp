#include "run/second_thread.h"

#include <system_error>

namespace qm {

SecondThread::SecondThread() {
  try {
    thread_ = std::thread([this] { work(); });
  } catch (const std::system_error&) {
    // No thread to be had: hand() runs each job at once instead.
  }
}

SecondThread::~SecondThread() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    ending_ = true;
  }
  changed_.notify_one();
  thread_.join();
}

void SecondThread::hand(std::function<void()> job) {
  if (!thread_.joinable()) {
    job();
    return;
  }
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  changed_.notify_one();
}

void SecondThread::work() {
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    job();
  }
}

}  // namespace qm
