#include "finsplit/window.hpp"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "ui/qt/control_table.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/suite_menus.hpp"

namespace finsplit {

namespace {

// The first local file among the dropped URLs, if any.
QString droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

Window::Window(const std::filesystem::path& saveFolder, QWidget* parent)
    : QWidget(parent), ownUi_(std::make_unique<ui::QtUi>(this)), worker_(*ownUi_), flow_(worker_.ui(), saveFolder) {
  build();
}

Window::Window(ui::Ui& ui, const std::filesystem::path& saveFolder, QWidget* parent)
    : QWidget(parent), worker_(ui), flow_(worker_.ui(), saveFolder) {
  build();
}

Window::~Window() { worker_.shutDown(); }

void Window::build() {
  setWindowTitle(ui::toQString(windowCaption()));
  setAcceptDrops(true);

  ui::ControlTable table(this);
  table.add({
      ui::grid("window").spacing(10, -1),
      ui::label("lblSaveFolderCaption", "Save Folder").at("window", 0, 0),
      ui::custom("lblSaveFolder", [](QWidget* parent) { return new ui::PathLabel(parent); }).at("window", 1, 0).into(saveFolder_),
      ui::button("cmdSetFolder", "SetFolder").at("window", 1, 1),
      ui::button("cmdCut", "Cut").with(ui::kDefault).at("window", 2, 1),
      ui::label("lblStatus", "Drop a fish file here, or press Cut.").at("window", 2, 0).into(status_),
      ui::columnStretch("window", 0, 1),
  });
  table.layout("window")->setSizeConstraint(QLayout::SetMinimumSize);
  saveFolder_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  saveFolder_->setMargin(3);
  saveFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_->setForegroundRole(QPalette::PlaceholderText);
  // A long save folder is cut rather than widening the window; the tooltip holds the line whole.
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  connect(table.get<QPushButton>("cmdSetFolder"), &QPushButton::clicked, this, &Window::setFolder);
  connect(table.get<QPushButton>("cmdCut"), &QPushButton::clicked, this, &Window::cut);

  ui::addSuiteMenus(ui::addMenuBar(this), nullptr, recent_,
                    [this](const ui::RecentFile& file) { cutFile(ui::toPath(file.path)); });

  showSaveFolder();
  resize(460, sizeHint().height());
}

void Window::setFolder() {
  if (worker_.running()) return;
  flow_.setFolder();
  showSaveFolder();
}

// The cut runs on the worker thread, one at a time; its result shows when it is done.
void Window::cut() {
  worker_.start([this] { result_ = flow_.cut(); }, [this] { showResult(result_); });
}

void Window::cutFile(const std::filesystem::path& fishFile) {
  worker_.start([this, fishFile] { result_ = flow_.cutFile(fishFile); }, [this] { showResult(result_); });
}

void Window::showSaveFolder() { saveFolder_->setPath(ui::fromPath(flow_.saveFolder())); }

void Window::showResult(const CutResult& result) {
  switch (result.outcome) {
    case ui::Outcome::Cancelled:
      return;  // nothing happened, nothing to say
    case ui::Outcome::Refused:
      status_->clear();  // the message box said why
      return;
    case ui::Outcome::Done:
      recent_.add(result.file);
      status_->setForegroundRole(QPalette::WindowText);
      status_->setText(ui::toQString(framesWrittenText(result.written, flow_.saveFolder())));
      status_->setToolTip(status_->text());
      return;
  }
}

void Window::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent* event) {
  const QString file = droppedFile(event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  // Cut after the drop has ended, so the program the file came from is not kept waiting
  // behind a message box.
  QTimer::singleShot(0, this, [this, file] { cutFile(ui::toPath(file)); });
}

}  // namespace finsplit
