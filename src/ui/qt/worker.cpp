#include "ui/qt/worker.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

// The flow's Ui: every call made on the worker thread runs on the GUI thread while the worker
// waits for its answer.
class Worker::Bridge : public Ui {
 public:
  explicit Bridge(Worker& worker) : worker_(worker) {}

  void hold() { holding_ = true; }
  void release() {
    holding_ = false;
    std::vector<std::pair<std::string, MessageStyle>> held;
    held.swap(held_);
    for (const auto& [text, style] : held) worker_.gui_.message(text, style);
  }
  void cancel() {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    answered_.notify_all();
  }

  void message(std::string_view text, const MessageStyle& style) override {
    onGuiThread<bool>(
        [this, text = std::string(text), style] {
          if (holding_)
            held_.emplace_back(text, style);
          else
            worker_.gui_.message(text, style);
          return true;
        },
        false);
  }
  Answer ask(std::string_view text, Buttons buttons) override {
    return onGuiThread<Answer>([this, text = std::string(text), buttons] { return worker_.gui_.ask(text, buttons); },
                               Answer::Cancel);
  }
  std::optional<std::filesystem::path> openFile(const FileDialogSpec& spec) override {
    return onGuiThread<std::optional<std::filesystem::path>>([this, spec] { return worker_.gui_.openFile(spec); }, {});
  }
  std::optional<std::filesystem::path> saveFile(const FileDialogSpec& spec) override {
    return onGuiThread<std::optional<std::filesystem::path>>([this, spec] { return worker_.gui_.saveFile(spec); }, {});
  }
  std::optional<std::filesystem::path> chooseFolder(const std::filesystem::path& start) override {
    return onGuiThread<std::optional<std::filesystem::path>>([this, start] { return worker_.gui_.chooseFolder(start); }, {});
  }
  // Needs no answer: the work goes on while the pointer changes.
  void setBusy(bool busy) override {
    if (onGui()) return worker_.gui_.setBusy(busy);
    QMetaObject::invokeMethod(&worker_, [this, busy] { worker_.gui_.setBusy(busy); }, Qt::QueuedConnection);
  }
  void progress(std::uint64_t done, std::uint64_t total) override {
    if (onGui()) return worker_.showOnGui(done, total);
    worker_.postProgress(done, total);
  }
  bool stopRequested() override {
    if (onGui()) return worker_.stop_ || worker_.gui_.stopRequested();
    worker_.listening_ = true;
    return worker_.stop_;
  }

 private:
  bool onGui() const { return QThread::currentThread() == worker_.thread(); }

  template <class R>
  R onGuiThread(std::function<R()> call, R cancelled) {
    if (onGui()) return call();
    auto answer = std::make_shared<std::optional<R>>();
    {
      std::lock_guard lock(mutex_);
      if (cancelled_) return cancelled;
    }
    QMetaObject::invokeMethod(
        &worker_,
        [this, call = std::move(call), answer] {
          R value = call();
          std::lock_guard lock(mutex_);
          *answer = std::move(value);
          answered_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    answered_.wait(lock, [&] { return answer->has_value() || cancelled_; });
    return answer->has_value() ? std::move(**answer) : cancelled;
  }

  Worker& worker_;
  bool holding_ = false;  // GUI thread only
  std::vector<std::pair<std::string, MessageStyle>> held_;
  std::mutex mutex_;
  std::condition_variable answered_;
  bool cancelled_ = false;
};

Worker::Worker(Ui& gui, QObject* parent) : QObject(parent), gui_(gui), bridge_(std::make_unique<Bridge>(*this)) {}

Worker::~Worker() { shutDown(); }

Ui& Worker::ui() { return *bridge_; }

bool Worker::start(std::function<void()> work, std::function<void()> done) {
  if (thread_) return false;
  stop_ = false;
  listening_ = false;
  const unsigned job = ++job_;
  thread_ = QThread::create(std::move(work));
  connect(thread_, &QThread::finished, this, [this, job, done = std::move(done)] {
    if (job != job_) return;  // shut down meanwhile
    thread_->wait();
    thread_->deleteLater();
    thread_ = nullptr;
    if (done) done();
    stop_ = false;
  });
  thread_->start();
  return true;
}

void Worker::holdMessages() { bridge_->hold(); }

void Worker::releaseMessages() { bridge_->release(); }

void Worker::shutDown() {
  if (!thread_) return;
  ++job_;
  stop_ = true;
  bridge_->cancel();
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
}

bool Worker::waitUntilIdle(int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (thread_) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}

void Worker::postProgress(std::uint64_t done, std::uint64_t total) {
  progressDone_ = done;
  progressTotal_ = total;
  // One update waits on the GUI thread at a time; it shows the latest figures.
  if (progressPending_.exchange(true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        progressPending_ = false;
        if (!thread_) return;
        showOnGui(progressDone_, progressTotal_);
        // The window's Ui offers Stop only to work that listens for it. (A progress window may
        // have processed events meanwhile, even the work's end: then there is nothing to stop.)
        if (thread_ && !showProgress && listening_ && gui_.stopRequested()) stop_ = true;
      },
      Qt::QueuedConnection);
}

void Worker::showOnGui(std::uint64_t done, std::uint64_t total) {
  if (showProgress) return showProgress(done, total);
  gui_.progress(done, total);
}

}  // namespace ui
