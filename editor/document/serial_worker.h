// Jobs run one after another, in the order given, on a thread of their own: file writes that
// must not hold up the window.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vek::editor {

class SerialWorker {
  public:
    SerialWorker();
    // Runs the jobs still waiting, then ends the thread.
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    void post(std::function<void()> job);
    // Waits until every job posted so far has run.
    void flush();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace vek::editor
