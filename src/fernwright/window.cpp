#include "fernwright/window.hpp"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "base/file_io.hpp"
#include "ui/qt/choosing_path_label.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/wrote.hpp"

namespace fernwright {

namespace {

// The icon's side in pixels.
constexpr int kIconSide = 83;
constexpr int kNameBoxChars = 34;

QLabel* addLabel(QWidget* parent, const QString& name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  return label;
}

QLabel* addPreview(QWidget* parent, int index, QSize box) {
  auto* preview = new QLabel(parent);
  preview->setObjectName(QStringLiteral("Image1_%1").arg(index));
  preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  preview->setAlignment(Qt::AlignCenter);
  preview->setBackgroundRole(QPalette::Base);
  preview->setAutoFillBackground(true);
  preview->setFixedSize(box + QSize(2 * preview->frameWidth(), 2 * preview->frameWidth()));
  return preview;
}

}  // namespace

Window::Window(QWidget* parent) : QWidget(parent), ownUi_(std::make_unique<ui::QtUi>(this)), flow_(*ownUi_) {
  makeControls();
}

Window::Window(ui::Ui& ui, QWidget* parent) : QWidget(parent), flow_(ui) { makeControls(); }

Window::~Window() = default;

void Window::makeControls() {
  setWindowTitle(ui::toQString(windowCaption()));

  // The code page the names are written in.
  auto* menuBar = new QMenuBar(this);
  ui::addCodePageMenu(menuBar, flow_.codePage(), [this](base::CodePage page) { flow_.setCodePage(page); });

  const Boxes start;
  id_ = new QLineEdit(QString::fromUtf8(start.id), this);
  id_->setObjectName(QStringLiteral("Text2"));
  id_->setAlignment(Qt::AlignCenter);
  id_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
  const char* const presets[] = {"Sample", "Sample2", "Sample3"};
  for (int i = 0; i < 3; ++i) {
    names_[static_cast<std::size_t>(i)] = new QLineEdit(QString::fromUtf8(presets[i]), this);
    names_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Text1_%1").arg(i));
    names_[static_cast<std::size_t>(i)]->setMinimumWidth(fontMetrics().horizontalAdvance(QString(kNameBoxChars, QLatin1Char('n'))));
  }
  redd_ = new QCheckBox(QStringLiteral("Redd"), this);
  redd_->setObjectName(QStringLiteral("Check1"));

  for (std::size_t i = 0; i < kInputCount; ++i) {
    paths_[i] = new ui::ChoosingPathLabel([this, i] { choose(static_cast<Input>(i)); }, this);
    paths_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    paths_[i]->setToolTip(QStringLiteral("Click to choose the %1 file").arg(QString::fromLatin1(kInputCaptions[i])));
  }

  previews_[0] = addPreview(this, 0, QSize(kIconSide, kIconSide));
  for (int i = 1; i <= 2; ++i) previews_[static_cast<std::size_t>(i)] = addPreview(this, i, QSize(kPreviewBox.width, kPreviewBox.height));

  auto* createButton = new QPushButton(QStringLiteral("Create"), this);
  createButton->setObjectName(QStringLiteral("Command1"));
  createButton->setDefault(true);

  status_ = new ui::PathLabel(this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setToolTip({});

  // The boxes and path labels with their captions on the left, the previews on the right.
  auto* boxes = new QGridLayout;
  boxes->setHorizontalSpacing(10);
  int row = 0;
  auto addRow = [&](const QString& name, const char* caption, QWidget* box) {
    QLabel* label = addLabel(this, name, caption);
    label->setBuddy(box);
    boxes->addWidget(label, row, 0);
    boxes->addWidget(box, row, 1, box == id_ ? Qt::AlignLeft : Qt::Alignment{});
    ++row;
  };
  addRow(QStringLiteral("lblID"), "I D", id_);
  addRow(QStringLiteral("lblLatin"), "Latin", names_[0]);
  addRow(QStringLiteral("lblScientifique"), "Scientifique", names_[1]);
  addRow(QStringLiteral("lblName"), "Name", names_[2]);
  boxes->addWidget(redd_, row++, 1);
  boxes->setRowMinimumHeight(row++, 8);
  const char* const captionNames[] = {"lblIcon", "lblTop", "lblFront", "lblDescription"};
  for (std::size_t i = 0; i < kInputCount; ++i) {
    QLabel* caption = addLabel(this, QString::fromLatin1(captionNames[i]), kInputCaptions[i]);
    boxes->addWidget(caption, row, 0);
    boxes->addWidget(paths_[i], row, 1);
    ++row;
  }
  boxes->setRowStretch(row, 1);
  boxes->setColumnStretch(1, 1);

  auto* pictures = new QGridLayout;
  const char* const previewCaptions[] = {"ICON", "TOP", "FRONT"};
  for (int i = 0; i < 3; ++i) {
    QLabel* caption = addLabel(this, QStringLiteral("lblPreview%1").arg(i), previewCaptions[i]);
    pictures->addWidget(caption, 0, i, Qt::AlignHCenter | Qt::AlignBottom);
    pictures->addWidget(previews_[static_cast<std::size_t>(i)], 1, i, Qt::AlignHCenter | Qt::AlignTop);
  }
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(status_, 1);
  buttonRow->addWidget(createButton);

  auto* grid = new QGridLayout(this);
  grid->setMenuBar(menuBar);
  grid->setHorizontalSpacing(16);
  grid->addLayout(boxes, 0, 0);
  grid->addLayout(pictures, 0, 1);
  grid->addLayout(buttonRow, 1, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setSizeConstraint(QLayout::SetMinimumSize);

  connect(createButton, &QPushButton::clicked, this, &Window::create);
  for (std::size_t i = 0; i < kInputCount; ++i) showPath(static_cast<Input>(i));
  resize(sizeHint());
}

void Window::choose(Input input) {
  if (flow_.choose(input) == ui::Outcome::Done) showPath(input);
}

void Window::setPath(Input input, const std::filesystem::path& file) {
  flow_.setPath(input, file.string());
  showPath(input);
}

void Window::showPath(Input input) {
  const QString path = ui::toQString(flow_.path(input));
  paths_[input]->setPath(path);
  if (input == kDescription || path.isEmpty()) return;
  // A file that cannot be shown leaves the preview as it was.
  const QImage image(path);
  if (image.isNull()) return;
  QPixmap picture = QPixmap::fromImage(image);
  if (input == kIcon) {
    if (picture.width() > kIconSide || picture.height() > kIconSide)
      picture = picture.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  } else {
    const PreviewSize size = previewSize(picture.width(), picture.height());
    if (size.width != picture.width() || size.height != picture.height())
      picture = picture.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  previews_[input]->setPixmap(picture);
  previews_[input]->setToolTip(path);
}

void Window::create() {
  flow_.boxes = {.id = id_->text().toStdString(),
                 .latin = names_[0]->text().toStdString(),
                 .scientific = names_[1]->text().toStdString(),
                 .name = names_[2]->text().toStdString(),
                 .redd = redd_->isChecked()};
  const CreateResult result = flow_.create();
  switch (result.outcome) {
    case ui::Outcome::Cancelled:
      return;
    case ui::Outcome::Refused:
      status_->setPath({});
      return;
    case ui::Outcome::Done:
      status_->setPath(ui::toQString(ui::wroteText(ui::fromPath(result.output).toStdString(), result.bytes)));
      return;
  }
}

}  // namespace fernwright
