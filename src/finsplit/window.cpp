#include "finsplit/window.hpp"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"

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

  auto* caption = new QLabel(QStringLiteral("Save Folder"), this);
  caption->setObjectName(QStringLiteral("lblSaveFolderCaption"));

  saveFolder_ = new ui::PathLabel(this);
  saveFolder_->setObjectName(QStringLiteral("lblSaveFolder"));
  saveFolder_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  saveFolder_->setMargin(3);
  saveFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* setFolderButton = new QPushButton(QStringLiteral("SetFolder"), this);
  setFolderButton->setObjectName(QStringLiteral("cmdSetFolder"));
  auto* cutButton = new QPushButton(QStringLiteral("Cut"), this);
  cutButton->setObjectName(QStringLiteral("cmdCut"));
  cutButton->setDefault(true);

  status_ = new QLabel(QStringLiteral("Drop a fish file here, or press Cut."), this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setForegroundRole(QPalette::PlaceholderText);

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(10);
  grid->addWidget(caption, 0, 0);
  grid->addWidget(saveFolder_, 1, 0);
  grid->addWidget(setFolderButton, 1, 1);
  grid->addWidget(status_, 2, 0);
  grid->addWidget(cutButton, 2, 1);
  grid->setColumnStretch(0, 1);
  grid->setSizeConstraint(QLayout::SetMinimumSize);

  connect(setFolderButton, &QPushButton::clicked, this, &Window::setFolder);
  connect(cutButton, &QPushButton::clicked, this, &Window::cut);

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
      status_->setForegroundRole(QPalette::WindowText);
      if (result.written == 0)
        status_->setText(QStringLiteral("No frames found in the fish file."));
      else
        status_->setText(QStringLiteral("%1 %2 written")
                             .arg(result.written)
                             .arg(result.written == 1 ? QStringLiteral("bitmap") : QStringLiteral("bitmaps")));
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
