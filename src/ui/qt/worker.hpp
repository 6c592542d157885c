#pragma once
// Long work off the GUI thread. A Worker runs one action at a time on a thread of its own and
// gives the flow a Ui to talk through, the thread bridge: a message, a question, a file or
// folder dialog and the busy pointer are shown on the GUI thread through the window's own Ui
// while the work waits for the answer; progress reaches the GUI thread, the latest figures
// only, without slowing the work; stopRequested() is true once Stop was pressed. Called on the
// GUI thread, the bridge simply is the window's Ui, so a flow can hold it for all its actions.
//
//   Window::Window(ui::Ui& ui, …) : worker_(ui, this), flow_(worker_.ui(), …) {}
//   void Window::build() { worker_.start([this] { result_ = flow_.build(); }, [this] { showResult(result_); }); }
//
// Progress shows, unless showProgress is set, through the window's Ui (QtUi's progress window,
// whose Stop button stops the work); a window with a progress bar and a Stop button of its own
// sets showProgress and calls stop().
#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "ui/ui.hpp"

class QThread;

namespace ui {

class Worker : public QObject {
 public:
  // gui: the window's own Ui, used on the GUI thread only; it must outlive the Worker.
  explicit Worker(Ui& gui, QObject* parent = nullptr);
  // Stops the work and waits for it (see shutDown).
  ~Worker() override;
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // The flow's Ui: the thread bridge.
  Ui& ui();

  // Where progress goes on the GUI thread instead of the window's Ui.
  std::function<void(std::uint64_t done, std::uint64_t total)> showProgress;

  // Runs work on the worker thread, then done on the GUI thread. Nothing runs, and false is
  // returned, while earlier work still runs.
  bool start(std::function<void()> work, std::function<void()> done = {});
  bool running() const { return thread_ != nullptr; }
  // Stop: the work's stopRequested() turns true until the next start.
  void stop() { stop_ = true; }

  // Messages from the work are held back until released, so that a report after the work
  // appears over a window that has left its busy state. GUI thread only.
  void holdMessages();
  void releaseMessages();

  // For a window going away: stops the work, answers each of its waiting and later calls with
  // "cancelled" and waits for its thread; its done is not called. A window calls it first in
  // its destructor, while the flow the work uses still exists.
  void shutDown();

  // For tests: processes events until the work and its done have run; false after timeoutMs.
  bool waitUntilIdle(int timeoutMs = 10000);

 private:
  class Bridge;
  friend class Bridge;
  void postProgress(std::uint64_t done, std::uint64_t total);
  void showOnGui(std::uint64_t done, std::uint64_t total);

  Ui& gui_;
  std::unique_ptr<Bridge> bridge_;
  QThread* thread_ = nullptr;
  unsigned job_ = 0;  // the running job's number; a finished signal of an older one is ignored
  std::atomic<bool> stop_{false};
  std::atomic<bool> listening_{false};  // the work has asked stopRequested()
  std::atomic<bool> progressPending_{false};
  std::atomic<std::uint64_t> progressDone_{0}, progressTotal_{0};
};

}  // namespace ui
