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
#include "base/strcat.hpp"
#include "gravelfile/gravelfile.hpp"
#include "ui/number_box.hpp"
#include "ui/qt/choosing_path_label.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/fit_screen.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/wrote_status.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/wrote.hpp"

namespace gritwright {

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

  // A path label chooses its bitmap when clicked.
  auto pathLabel = [this](Side side) {
    return [this, side](QWidget* parent) { return new ui::ChoosingPathLabel([this, side] { chooseBitmap(side); }, parent); };
  };
  const std::string output = flow_.boxes.output;
  ui::ControlTable table(this);
  // Captions on the left; the "pixcel" labels follow the Height and Length boxes.
  table.add({
      ui::grid("window").spacing(10, -1),
      ui::label("Label1_0", "Surface").at("window", 0, 0),
      ui::label("Label1_1", "Aspect").at("window", 1, 0),
      ui::label("Label1_2", "Height").at("window", 2, 0).buddy("Text2"),
      ui::label("Label1_3", "Length").at("window", 3, 0).buddy("Text3"),
      ui::label("Label1_4", "FileName").at("window", 4, 0).buddy("Text1"),
      ui::label("Label1_5", "pixcel").at("window", 2, 2),
      ui::label("Label1_6", "pixcel").at("window", 3, 2),
      ui::custom("Label2_0", pathLabel(Side::Surface)).tip("Click to choose the surface bitmap").at("window", 0, 1, 1, 3),
      ui::custom("Label2_1", pathLabel(Side::Aspect)).tip("Click to choose the aspect bitmap").at("window", 1, 1, 1, 3),
      ui::lineEdit("Text2", kDefaultHeight).at("window", 2, 1).into(height_),
      ui::lineEdit("Text3", kDefaultLength).at("window", 3, 1).into(length_),
      ui::lineEdit("Text1", output.c_str()).tip(output.c_str()).at("window", 4, 1, 1, 3).into(output_),
      ui::button("Command1", "Make").with(ui::kDefault),
      ui::row("bottom").at("window", 5, 0, 1, 4),
      ui::custom("lblStatus", [](QWidget* parent) { return new ui::PathLabel(parent); }).in("bottom", 1).into(status_),
      ui::place("Command1").in("bottom"),
      ui::label("lblHeightNote", "").at("window", 2, 3),
      ui::columnStretch("window", 3, 1),
  });
  heightNote_ = table.get<QLabel>("lblHeightNote");
  heightNote_->hide();
  table.layout("window")->setSizeConstraint(QLayout::SetMinimumSize);
  for (const char* name : {"Label2_0", "Label2_1"})
    table.widget(name)->setMinimumWidth(fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n'))));
  paths_ = {table.get<ui::PathLabel>("Label2_0"), table.get<ui::PathLabel>("Label2_1")};
  for (QLineEdit* box : {height_, length_}) box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
  // The "pixcel" labels give the unit; both boxes are held to 0-65535 when read.
  const ui::NumberBoxHint dimension{0, 65535, 0, ui::NumberRule::Clamp, QStringLiteral("pixels"), {}};
  ui::attachNumberHint(height_, dimension);
  ui::attachNumberHint(length_, dimension);
  connect(height_, &QLineEdit::textChanged, this, &Window::showHeightNote);
  connect(output_, &QLineEdit::textChanged, output_, &QLineEdit::setToolTip);
  auto* makeButton = table.get<QPushButton>("Command1");
  makeButton->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Make")) + 60);
  status_->setForegroundRole(QPalette::PlaceholderText);
  status_->setPath(QStringLiteral("Click a path box to choose its bitmap."));
  status_->setToolTip({});

  connect(makeButton, &QPushButton::clicked, this, &Window::make);
  height_->setFocus();  // the first box to type in; the path labels are reached with Tab

  makePreview(Side::Surface, "Form2", "Surface");
  makePreview(Side::Aspect, "Form3", "Aspect");
  auto sideOf = [](const QString& kind) { return kind == QLatin1String(sideName(Side::Aspect)) ? Side::Aspect : Side::Surface; };
  ui::addSuiteMenus(
      ui::addMenuBar(this), nullptr, recent_,
      [this, sideOf](const ui::RecentFile& file) { setBitmap(sideOf(file.kind), ui::toPath(file.path)); },
      [sideOf](const QString& kind) { return QString::fromLatin1(sideOf(kind) == Side::Aspect ? "Aspect" : "Surface"); });
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
  recent_.add(path, QString::fromLatin1(sideName(side)));  // chosen, dropped or given at start
  paths_[index(side)]->setPath(path);
  QLabel* picture = pictures_[index(side)];
  const QImage image = ui::previewPicture(path);
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
  if (side == Side::Aspect) {
    aspectHeight_ = image.isNull() ? 0 : image.height();
    showHeightNote();
  }
  QWidget* form = previews_[index(side)];
  form->adjustSize();
  ui::fitOnScreen(form);  // a picture larger than the screen scrolls, also in a window already shown
  form->show();
}

// A Height past the side view's own height is written as typed; the note says so beforehand.
void Window::showHeightNote() {
  const int height = gravelfile::clampDimension(ui::leadingNumber(height_->text().toStdString()));
  const bool taller = aspectHeight_ > 0 && height > aspectHeight_;
  if (taller)
    heightNote_->setText(QStringLiteral("Taller than the aspect bitmap (%1 pixels); written as typed.").arg(aspectHeight_));
  heightNote_->setVisible(taller);
}

void Window::make() {
  flow_.boxes.height = height_->text().toStdString();
  flow_.boxes.length = length_->text().toStdString();
  flow_.boxes.output = base::displayPath(ui::toPath(output_->text()));
  const MakeResult result = flow_.make();
  if (result.outcome != ui::Outcome::Done) return;  // a message box said why, or No was answered
  status_->setForegroundRole(QPalette::WindowText);
  status_->setPath(ui::wroteStatus(result.output, base::strcat(base::withThousands(result.bytes), " bytes")));
}

void Window::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, its preview windows with it.
  for (QWidget* form : previews_) form->close();
  QWidget::closeEvent(event);
}

}  // namespace gritwright
