#include "gritwright/window.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/file_io.hpp"
#include "ui/qt/choosing_path_label.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/wrote.hpp"

namespace gritwright {

namespace {

QLabel* addLabel(QWidget* parent, const QString& name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  return label;
}

QLineEdit* addLineBox(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

Window::Window(const std::filesystem::path& currentFolder, QWidget* parent)
    : QWidget(parent), ownUi_(std::make_unique<ui::QtUi>(this)), flow_(*ownUi_, currentFolder) {
  makeControls();
}

Window::Window(ui::Ui& ui, const std::filesystem::path& currentFolder, QWidget* parent)
    : QWidget(parent), flow_(ui, currentFolder) {
  makeControls();
}

Window::~Window() = default;

void Window::makeControls() {
  setWindowTitle(ui::toQString(windowCaption()));

  const char* captions[] = {"Surface", "Aspect", "Height", "Length", "FileName", "pixcel", "pixcel"};
  std::array<QLabel*, 7> labels{};
  for (int i = 0; i < 7; ++i)
    labels[static_cast<std::size_t>(i)] = addLabel(this, QStringLiteral("Label1_%1").arg(i), captions[i]);

  for (Side side : {Side::Surface, Side::Aspect}) {
    auto* path = new ui::ChoosingPathLabel([this, side] { chooseBitmap(side); }, this);
    path->setMinimumWidth(fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n'))));
    path->setObjectName(QStringLiteral("Label2_%1").arg(index(side)));
    path->setToolTip(QStringLiteral("Click to choose the %1 bitmap").arg(QString::fromLatin1(sideName(side))));
    paths_[index(side)] = path;
  }

  height_ = addLineBox(this, "Text2", QString::fromUtf8(kDefaultHeight));
  length_ = addLineBox(this, "Text3", QString::fromUtf8(kDefaultLength));
  for (QLineEdit* box : {height_, length_})
    box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
  output_ = addLineBox(this, "Text1", ui::toQString(flow_.boxes.output));
  output_->setToolTip(output_->text());
  connect(output_, &QLineEdit::textChanged, output_, &QLineEdit::setToolTip);

  auto* makeButton = new QPushButton(QStringLiteral("Make"), this);
  makeButton->setObjectName(QStringLiteral("Command1"));
  makeButton->setDefault(true);
  makeButton->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Make")) + 60);

  status_ = new ui::PathLabel(this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setForegroundRole(QPalette::PlaceholderText);
  status_->setPath(QStringLiteral("Click a path box to choose its bitmap."));
  status_->setToolTip({});

  // Captions on the left; the "pixcel" labels follow the Height and Length boxes.
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(10);
  grid->setColumnStretch(3, 1);
  grid->addWidget(labels[0], 0, 0);
  grid->addWidget(paths_[0], 0, 1, 1, 3);
  grid->addWidget(labels[1], 1, 0);
  grid->addWidget(paths_[1], 1, 1, 1, 3);
  grid->addWidget(labels[2], 2, 0);
  grid->addWidget(height_, 2, 1);
  grid->addWidget(labels[5], 2, 2);
  grid->addWidget(labels[3], 3, 0);
  grid->addWidget(length_, 3, 1);
  grid->addWidget(labels[6], 3, 2);
  grid->addWidget(labels[4], 4, 0);
  grid->addWidget(output_, 4, 1, 1, 3);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(makeButton);
  grid->addLayout(bottom, 5, 0, 1, 4);
  grid->setSizeConstraint(QLayout::SetMinimumSize);
  labels[2]->setBuddy(height_);
  labels[3]->setBuddy(length_);
  labels[4]->setBuddy(output_);

  connect(makeButton, &QPushButton::clicked, this, &Window::make);
  height_->setFocus();  // the first box to type in; the path labels are reached with Tab

  makePreview(Side::Surface, "Form2", "Surface");
  makePreview(Side::Aspect, "Form3", "Aspect");
  resize(sizeHint());
}

void Window::makePreview(Side side, const char* name, const char* caption) {
  // A window of its own, kept as a child so that it goes with the main window.
  auto* form = new QWidget(this, Qt::Window);
  form->setObjectName(QString::fromLatin1(name));
  form->setWindowTitle(QString::fromLatin1(caption));
  auto* picture = new QLabel(form);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture);
  // The window takes the picture box's size whenever that changes.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  previews_[index(side)] = form;
  pictures_[index(side)] = picture;
}

void Window::chooseBitmap(Side side) {
  if (flow_.chooseBitmap(side) == ui::Outcome::Done) showBitmap(side);
}

void Window::setBitmap(Side side, const std::filesystem::path& file) {
  flow_.setBitmap(side, file);
  showBitmap(side);
}

void Window::showBitmap(Side side) {
  const QString path = ui::toQString(flow_.bitmapPath(side));
  paths_[index(side)]->setPath(path);
  QLabel* picture = pictures_[index(side)];
  const QImage image(path);
  if (image.isNull()) {
    // Not a picture Qt can show; Make copies it all the same.
    picture->setMargin(8);
    picture->setText(QStringLiteral("No preview"));
  } else {
    picture->setMargin(0);
    picture->setPixmap(QPixmap::fromImage(image));
    picture->setFixedSize(image.size());
  }
  if (image.isNull()) picture->setFixedSize(picture->sizeHint());
  QWidget* form = previews_[index(side)];
  form->adjustSize();
  form->show();
}

void Window::make() {
  flow_.boxes.height = height_->text().toStdString();
  flow_.boxes.length = length_->text().toStdString();
  flow_.boxes.output = ui::toPath(output_->text()).string();
  const MakeResult result = flow_.make();
  if (result.outcome != ui::Outcome::Done) return;  // a message box said why, or No was answered
  status_->setForegroundRole(QPalette::WindowText);
  status_->setPath(ui::toQString(ui::wroteText(ui::fromPath(result.output).toStdString(), result.bytes)));
}

void Window::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, its preview windows with it.
  for (QWidget* form : previews_) form->close();
  QWidget::closeEvent(event);
}

}  // namespace gritwright
