#include "gritpress/window.hpp"

#include <cmath>

#include <QCloseEvent>
#include <QShowEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/fit_screen.hpp"
#include "ui/qt/language_switch.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/path_label.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/wrote_status.hpp"
#include "ui/qt/suite_menus.hpp"

namespace gritpress {

namespace {

constexpr int kNumberBoxChars = 7;
constexpr int kPathBoxChars = 44;

// The window's Ui: the one question gritpress asks offers 上書 and 新規 by name.
class PressUi : public ui::QtUi {
 public:
  explicit PressUi(QWidget* parent) : QtUi(parent), parent_(parent) {}

  ui::Answer ask(std::string_view text, ui::Buttons buttons) override {
    if (buttons != ui::Buttons::YesNoCancel) return QtUi::ask(text, buttons);
    QMessageBox box(QMessageBox::Question, ui::translatedText(kCaption), ui::translatedText(ui::toQString(text)),
                    QMessageBox::NoButton, parent_);
    QPushButton* overwrite = box.addButton(ui::translatedText(kOverwrite), QMessageBox::YesRole);
    QPushButton* newFile = box.addButton(ui::translatedText(kNewFile), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(ui::translatedText("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(newFile);  // the safe choice
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite) return ui::Answer::Yes;
    if (box.clickedButton() == newFile) return ui::Answer::No;
    return ui::Answer::Cancel;
  }

 private:
  QWidget* parent_;
};

QString utf8(std::string_view text) { return ui::toQString(text); }

// The side a recent bitmap was chosen for, as File › Recent keeps it.
QString kindOf(Side side) { return side == Side::Top ? QStringLiteral("top") : QStringLiteral("side"); }

QLabel* addLabel(QWidget* parent, const QString& name, std::string_view text) {
  auto* label = new QLabel(utf8(text), parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

Window::Window(QWidget* parent) : QWidget(parent), ownUi_(std::make_unique<PressUi>(this)), flow_(*ownUi_) { makeControls(); }

Window::Window(ui::Ui& ui, QWidget* parent) : QWidget(parent), flow_(ui) { makeControls(); }

Window::~Window() = default;

void Window::makeControls() {
  setObjectName(QStringLiteral("frmGrv"));
  setWindowTitle(utf8(kCaption));

  // Each input side's picture shows in a window of its own that takes the picture's size.
  auto previewWindow = [this](Side side) {
    return [this, side](QWidget* parent) {
      auto* window = new QWidget(parent, Qt::Window);
      window->setWindowTitle(utf8(sideName(side)));
      window->setAttribute(Qt::WA_QuitOnClose, false);
      QLabel*& picture = pictures_[static_cast<std::size_t>(side)];
      picture = new QLabel(window);
      picture->setObjectName(QStringLiteral("img_BMP"));
      auto* layout = new QVBoxLayout(window);
      layout->setContentsMargins(0, 0, 0, 0);
      layout->addWidget(picture);
      layout->setSizeConstraint(QLayout::SetFixedSize);
      return window;
    };
  };
  const char* topCaption = sideName(Side::Top).data();
  const char* sideCaption = sideName(Side::Side).data();
  ui::ControlTable table(this);
  table.add({
      ui::grid("window").spacing(8, 4),
      // One block per input side: caption, path and 参照, then the check result and the size.
      ui::label("lbl_Top", topCaption).at("window", 0, 0).buddy("txt_IFile_0"),
      ui::lineEdit("txt_IFile_0").with(ui::kReadOnly).at("window", 0, 1).into(paths_[0]),
      ui::button("cmd_IFile_0", "参照").at("window", 0, 2),
      ui::row("check0").at("window", 1, 1, 1, 2),
      ui::label("lbl_IFile_0").with(ui::kSunken | ui::kBold).textAlign(Qt::AlignCenter).in("check0").into(results_[0]),
      ui::label("ttl_IFile_0", kNoSize).in("check0", 1).into(sizes_[0]),
      ui::rowMinimum("window", 2, 6),
      ui::custom("frmBMP1", previewWindow(Side::Top)).into(previews_[0]),
      ui::label("lbl_Side", sideCaption).at("window", 3, 0).buddy("txt_IFile_1"),
      ui::lineEdit("txt_IFile_1").with(ui::kReadOnly).at("window", 3, 1).into(paths_[1]),
      ui::button("cmd_IFile_1", "参照").at("window", 3, 2),
      ui::row("check1").at("window", 4, 1, 1, 2),
      ui::label("lbl_IFile_1").with(ui::kSunken | ui::kBold).textAlign(Qt::AlignCenter).in("check1").into(results_[1]),
      ui::label("ttl_IFile_1", kNoSize).in("check1", 1).into(sizes_[1]),
      ui::rowMinimum("window", 5, 6),
      ui::custom("frmBMP2", previewWindow(Side::Side)).into(previews_[1]),
      // Height and depth, each followed by its unit.
      ui::lineEdit("txt_Height", kDefaultHeight).textAlign(Qt::AlignRight).into(height_),
      ui::lineEdit("txt_Depth", kDefaultDepth).textAlign(Qt::AlignRight).into(depth_),
      ui::row("numbers").at("window", 6, 1, 1, 2),
      ui::label("lbl_Height", "高さ").in("numbers").buddy("txt_Height"),
      ui::place("txt_Height").in("numbers"),
      ui::label("lbl_HeightUnit", "pixels").in("numbers"),
      ui::space("numbers", 16),
      ui::label("lbl_Depth", "奥行").in("numbers").buddy("txt_Depth"),
      ui::place("txt_Depth").in("numbers"),
      ui::label("lbl_DepthUnit", "pixels").in("numbers"),
      ui::space("numbers", 16),
      ui::label("lbl_HeightNote", "").in("numbers").into(heightNote_),
      ui::stretch("numbers"),
      ui::label("lbl_Size", "サイズ").at("window", 6, 0),
      ui::rowMinimum("window", 7, 6),
      // The output file.
      ui::lineEdit("txt_OFile", kDefaultOutput).at("window", 8, 1).into(output_),
      ui::label("lbl_OFile", "出力ファイル").at("window", 8, 0).buddy("txt_OFile"),
      ui::button("cmd_OFile_0", "参照").at("window", 8, 2),
      ui::button("cmd_OFile_1", "出力").with(ui::kDefault),
      ui::rowMinimum("window", 9, 8),
      ui::button("cmd_ABOUT", "About"),
      ui::button("cmd_END", "終了"),
      ui::row("buttons").at("window", 10, 0, 1, 3),
      ui::place("cmd_ABOUT").in("buttons"),
      ui::stretch("buttons"),
      ui::place("cmd_OFile_1").in("buttons"),
      ui::place("cmd_END").in("buttons"),
      ui::custom("lblStatus", [](QWidget* parent) { return new ui::PathLabel(parent); }).at("window", 11, 0, 1, 3).into(status_),
      ui::columnStretch("window", 1, 1),
  });
  table.layout("window")->setSizeConstraint(QLayout::SetMinimumSize);

  for (QLineEdit* path : paths_) path->setMinimumWidth(fontMetrics().horizontalAdvance(QString(kPathBoxChars, QLatin1Char('n'))));
  for (QLabel* result : results_) result->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("NGNG")));
  for (QLineEdit* box : {height_, depth_})
    box->setFixedWidth(fontMetrics().horizontalAdvance(QString(kNumberBoxChars, QLatin1Char('0'))) + 12);
  for (const char* name : {"cmd_ABOUT", "cmd_OFile_1", "cmd_END"})
    table.widget(name)->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("nnnnnnnnnn")));

  for (Side side : kSides)
    connect(table.get<QPushButton>(side == Side::Top ? "cmd_IFile_0" : "cmd_IFile_1"), &QPushButton::clicked, this,
            [this, side] { browseInput(side); });
  connect(table.get<QPushButton>("cmd_OFile_0"), &QPushButton::clicked, this, &Window::browseOutput);
  connect(table.get<QPushButton>("cmd_OFile_1"), &QPushButton::clicked, this, &Window::output);
  connect(table.get<QPushButton>("cmd_ABOUT"), &QPushButton::clicked, this, &Window::about);
  connect(table.get<QPushButton>("cmd_END"), &QPushButton::clicked, this, &QWidget::close);

  // Both boxes are refused unless they hold a number from 0 to 65535; the labels give the unit.
  const ui::NumberBoxHint dimension{0, kMaxDimension, 6, ui::NumberRule::Refuse, QStringLiteral("pixels"), {}};
  ui::attachNumberHint(height_, dimension);
  ui::attachNumberHint(depth_, dimension);
  heightNote_->setText(QStringLiteral("A height of 0 is written as it stands."));
  auto noteHeight = [this] {
    const auto height = wholeNumber(height_->text().toStdString());
    heightNote_->setVisible(height && std::nearbyint(*height) == 0);
  };
  connect(height_, &QLineEdit::textChanged, this, noteHeight);
  noteHeight();

  status_->hide();
  ui::addSuiteMenus(
      ui::addMenuBar(this), nullptr, recent_,
      [this](const ui::RecentFile& file) {
        chooseInput(file.kind == kindOf(Side::Side) ? Side::Side : Side::Top, ui::toPath(file.path));
      },
      [](const QString& kind) { return utf8(sideName(kind == kindOf(Side::Side) ? Side::Side : Side::Top)); });

  for (Side side : kSides) showInput(side);
  resize(sizeHint());
}

void Window::readBoxes() {
  flow_.boxes = {height_->text().toStdString(), depth_->text().toStdString(), output_->text().toStdString()};
}

void Window::browseInput(Side side) {
  if (flow_.browseInput(side) == ui::Outcome::Cancelled) return;
  showInput(side);
  rememberInput(side);
}

void Window::chooseInput(Side side, const std::filesystem::path& file) {
  flow_.chooseInput(side, file);
  showInput(side);
  rememberInput(side);
}

void Window::rememberInput(Side side) {
  const std::string& path = flow_.input(side).path;
  if (!path.empty()) recent_.add(utf8(path), kindOf(side));
}

void Window::browseOutput() {
  readBoxes();
  if (flow_.browseOutput() == ui::Outcome::Done) output_->setText(utf8(flow_.boxes.output));
}

void Window::output() {
  readBoxes();
  const OutputResult result = flow_.output();
  status_->setVisible(result.outcome == ui::Outcome::Done);
  if (result.outcome == ui::Outcome::Done)
    status_->setPath(ui::wroteStatus(result.output, base::strcat(base::withThousands(result.bytes), " bytes")));
  // 新規 may have chosen another name, and a bitmap that changed since its check is NG now.
  output_->setText(utf8(flow_.boxes.output));
  for (Side side : kSides) showInput(side);
}

void Window::about() {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("frmAbout"));
  dialog.setWindowTitle(QStringLiteral("About"));
  auto* layout = new QVBoxLayout(&dialog);
  QLabel* name = addLabel(&dialog, QStringLiteral("lbl_Title"), kCaption);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  name->setFont(big);
  layout->addWidget(name, 0, Qt::AlignHCenter);
  layout->addWidget(addLabel(&dialog, QStringLiteral("lbl_About"),
                             "上面と側面の256色ビットマップを調べて、\n底砂ファイル (.grv) を作ります。"),
                    0, Qt::AlignHCenter);
  auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  ok->setObjectName(QStringLiteral("cmd_OK"));
  connect(ok, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(ok);
  dialog.exec();
}

void Window::showInput(Side side) {
  const auto i = static_cast<std::size_t>(side);
  const Input& input = flow_.input(side);
  paths_[i]->setText(utf8(input.path));
  paths_[i]->setToolTip(utf8(input.path));
  paths_[i]->setCursorPosition(static_cast<int>(paths_[i]->text().size()));  // the file's name shows
  results_[i]->setText(utf8(input.result()));
  QPalette palette = results_[i]->palette();
  palette.setColor(QPalette::WindowText, input.ok() ? QColor(0, 110, 0) : QColor(190, 0, 0));
  results_[i]->setPalette(palette);
  sizes_[i]->setText(utf8(input.display()));
  sizes_[i]->setToolTip(input.check && !input.ok() ? utf8(input.check->refusal) : QString());

  const QImage image = input.ok() ? ui::previewPicture(ui::toQString(input.path)) : QImage();
  if (image.isNull()) {
    pictures_[i]->clear();
    previews_[i]->hide();
    return;
  }
  pictures_[i]->setPixmap(QPixmap::fromImage(image));
  pictures_[i]->setFixedSize(image.size());
  previews_[i]->setWindowTitle(utf8(sideName(side)) + QStringLiteral(" - ") + QFileInfo(utf8(input.path)).fileName());
  previews_[i]->adjustSize();
  ui::fitOnScreen(previews_[i]);  // a picture larger than the screen scrolls, also in a window already shown
  if (isVisible()) previews_[i]->show();
}

// Bitmaps chosen before the window appeared (the program's presets) show their previews with it.
void Window::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;  // restored from the task bar: previews keep their state
  for (std::size_t i = 0; i < previews_.size(); ++i)
    if (!pictures_[i]->pixmap().isNull()) previews_[i]->show();
}

void Window::closeEvent(QCloseEvent* event) {
  for (QWidget* preview : previews_) preview->close();
  QWidget::closeEvent(event);
}

}  // namespace gritpress
