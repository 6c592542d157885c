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
#include "base/strcat.hpp"
#include "ui/qt/choosing_path_label.hpp"
#include "ui/qt/code_page_menu.hpp"
#include "plantfile/plantfile.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/wrote_status.hpp"
#include "ui/qt/suite_menus.hpp"
#include "ui/wrote.hpp"

namespace fernwright {

namespace {

// The icon's side in pixels.
constexpr int kIconSide = 83;
constexpr int kNameBoxChars = 34;

// The input a recent file was chosen for, as File › Recent keeps it: its caption in small letters.
QString kindOf(Input input) { return QString::fromLatin1(kInputCaptions[input]).toLower(); }
Input inputOf(const QString& kind) {
  for (std::size_t i = 0; i < kInputCount; ++i)
    if (kind == kindOf(static_cast<Input>(i))) return static_cast<Input>(i);
  return kIcon;
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

  // A path label chooses its file when clicked.
  auto pathLabel = [this](Input input) {
    return [this, input](QWidget* parent) { return new ui::ChoosingPathLabel([this, input] { choose(input); }, parent); };
  };
  const Boxes start;
  constexpr Qt::Alignment kPreviewCaption = Qt::AlignHCenter | Qt::AlignBottom;
  constexpr Qt::Alignment kPreview = Qt::AlignHCenter | Qt::AlignTop;
  ui::ControlTable table(this);
  // The boxes and path labels with their captions on the left, the previews on the right, the
  // status and Create below. The captions are made last.
  table.add({
      ui::grid("window").spacing(16, -1),
      ui::grid("boxes").spacing(10, -1).at("window", 0, 0),
      ui::grid("pictures").at("window", 0, 1),
      ui::row("buttons").at("window", 1, 0, 1, 2),
      ui::lineEdit("Text2", start.id.c_str()).textAlign(Qt::AlignCenter).at("boxes", 0, 1).align(Qt::AlignLeft).into(id_),
      ui::lineEdit("Text1_0", "Sample").at("boxes", 1, 1).into(names_[0]),
      ui::lineEdit("Text1_1", "Sample2").at("boxes", 2, 1).into(names_[1]),
      ui::lineEdit("Text1_2", "Sample3").at("boxes", 3, 1).into(names_[2]),
      ui::checkBox("Check1", "Redd").at("boxes", 4, 1).into(redd_),
      ui::rowMinimum("boxes", 5, 8),
      ui::custom("Label1_0", pathLabel(kIcon)).tip("Click to choose the ICON file").at("boxes", 6, 1).into(paths_[0]),
      ui::custom("Label1_1", pathLabel(kTop)).tip("Click to choose the TOP file").at("boxes", 7, 1).into(paths_[1]),
      ui::custom("Label1_2", pathLabel(kFront)).tip("Click to choose the FRONT file").at("boxes", 8, 1).into(paths_[2]),
      ui::custom("Label1_3", pathLabel(kDescription))
          .tip("Click to choose the Description file")
          .at("boxes", 9, 1)
          .into(paths_[3]),
      ui::label("Image1_0").with(ui::kSunken).textAlign(Qt::AlignCenter).at("pictures", 1, 0).align(kPreview).into(previews_[0]),
      ui::label("Image1_1").with(ui::kSunken).textAlign(Qt::AlignCenter).at("pictures", 1, 1).align(kPreview).into(previews_[1]),
      ui::label("Image1_2").with(ui::kSunken).textAlign(Qt::AlignCenter).at("pictures", 1, 2).align(kPreview).into(previews_[2]),
      ui::button("Command1", "Create").with(ui::kDefault),
      ui::custom("lblStatus", [](QWidget* parent) { return new ui::PathLabel(parent); }).in("buttons", 1).into(status_),
      ui::place("Command1").in("buttons"),
      ui::label("lblID", "I D").at("boxes", 0, 0).buddy("Text2"),
      ui::label("lblLatin", "Latin").at("boxes", 1, 0).buddy("Text1_0"),
      ui::label("lblScientifique", "Scientifique").at("boxes", 2, 0).buddy("Text1_1"),
      ui::label("lblName", "Name").at("boxes", 3, 0).buddy("Text1_2"),
      ui::label("lblIcon", kInputCaptions[0]).at("boxes", 6, 0),
      ui::label("lblTop", kInputCaptions[1]).at("boxes", 7, 0),
      ui::label("lblFront", kInputCaptions[2]).at("boxes", 8, 0),
      ui::label("lblDescription", kInputCaptions[3]).at("boxes", 9, 0),
      ui::rowStretch("boxes", 10, 1),
      ui::columnStretch("boxes", 1, 1),
      ui::label("lblPreview0", "ICON").at("pictures", 0, 0).align(kPreviewCaption),
      ui::label("lblPreview1", "TOP").at("pictures", 0, 1).align(kPreviewCaption),
      ui::label("lblPreview2", "FRONT").at("pictures", 0, 2).align(kPreviewCaption),
      ui::columnStretch("window", 0, 1),
  });
  auto* grid = static_cast<QGridLayout*>(table.layout("window"));
  grid->setMenuBar(menuBar);
  grid->setSizeConstraint(QLayout::SetMinimumSize);

  id_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
  ui::attachNumberHint(id_, {plantfile::kMinPlantId, plantfile::kMaxPlantId, 6, ui::NumberRule::Refuse, {}, {}});  // an ID has no unit
  for (QLineEdit* name : names_) name->setMinimumWidth(fontMetrics().horizontalAdvance(QString(kNameBoxChars, QLatin1Char('n'))));
  for (std::size_t i = 0; i < previews_.size(); ++i) {
    const QSize box = i == 0 ? QSize(kIconSide, kIconSide) : QSize(kPreviewBox.width, kPreviewBox.height);
    previews_[i]->setBackgroundRole(QPalette::Base);
    previews_[i]->setAutoFillBackground(true);
    previews_[i]->setFixedSize(box + QSize(2 * previews_[i]->frameWidth(), 2 * previews_[i]->frameWidth()));
  }
  status_->setToolTip({});

  connect(table.get<QPushButton>("Command1"), &QPushButton::clicked, this, &Window::create);
  ui::addSuiteMenus(
      menuBar, nullptr, recent_, [this](const ui::RecentFile& file) { setPath(inputOf(file.kind), ui::toPath(file.path)); },
      [](const QString& kind) { return QString::fromLatin1(kInputCaptions[inputOf(kind)]); });

  for (std::size_t i = 0; i < kInputCount; ++i) showPath(static_cast<Input>(i));
  resize(sizeHint());
}

void Window::choose(Input input) {
  if (flow_.choose(input) != ui::Outcome::Done) return;
  showPath(input);
  recent_.add(ui::toQString(flow_.path(input)), kindOf(input));
}

void Window::setPath(Input input, const std::filesystem::path& file) {
  flow_.setPath(input, base::displayPath(file));
  showPath(input);
  recent_.add(ui::toQString(flow_.path(input)), kindOf(input));
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
      status_->setPath(ui::wroteStatus(result.output, base::strcat(base::withThousands(result.bytes), " bytes")));
      return;
  }
}

}  // namespace fernwright
