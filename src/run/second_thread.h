// A thread beside the caller's that runs the jobs handed to it one after
// another, in the order handed, each result waiting in a future. Where no
// thread can be started, each job runs at once on the caller's thread
// instead, which gives the same results later.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>

namespace qm {

class SecondThread {
 public:
  SecondThread();
  // Runs the jobs already handed over, then ends the thread.
  ~SecondThread();
  SecondThread(const SecondThread&) = delete;
  SecondThread& operator=(const SecondThread&) = delete;

  template <typename Job>
  std::future<std::invoke_result_t<Job&>> run(Job job) {
    auto task = std::make_shared<std::packaged_task<std::invoke_result_t<Job&>()>>(std::move(job));
    std::future<std::invoke_result_t<Job&>> result = task->get_future();
    hand([task] { (*task)(); });
    return result;
  }

 private:
  void hand(std::function<void()> job);
  void work();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> jobs_;
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace qm
