#include "gritpress/window.hpp"

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

#include "ui/qt/qt_ui.hpp"

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
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kCaption), ui::toQString(text), QMessageBox::NoButton, parent_);
    QPushButton* overwrite = box.addButton(QString::fromUtf8(kOverwrite), QMessageBox::YesRole);
    QPushButton* newFile = box.addButton(QString::fromUtf8(kNewFile), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
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

QLabel* addLabel(QWidget* parent, const QString& name, std::string_view text) {
  auto* label = new QLabel(utf8(text), parent);
  label->setObjectName(name);
  return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, std::string_view text) {
  auto* button = new QPushButton(utf8(text), parent);
  button->setObjectName(name);
  return button;
}

QLineEdit* addBox(QWidget* parent, const QString& name, std::string_view text) {
  auto* box = new QLineEdit(utf8(text), parent);
  box->setObjectName(name);
  return box;
}

// "Name_0", "Name_1": the members of a control array.
QString arrayName(const char* name, std::size_t index) {
  return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

}  // namespace

Window::Window(QWidget* parent) : QWidget(parent), ownUi_(std::make_unique<PressUi>(this)), flow_(*ownUi_) { makeControls(); }

Window::Window(ui::Ui& ui, QWidget* parent) : QWidget(parent), flow_(ui) { makeControls(); }

Window::~Window() = default;

void Window::makeControls() {
  setObjectName(QStringLiteral("frmGrv"));
  setWindowTitle(utf8(kCaption));

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(1, 1);
  int row = 0;

  // One block per input side: caption, path and 参照, then the check result and the size.
  const char* sideLabels[] = {"lbl_Top", "lbl_Side"};
  for (Side side : kSides) {
    const auto i = static_cast<std::size_t>(side);
    QLabel* caption = addLabel(this, QString::fromLatin1(sideLabels[i]), sideName(side));
    paths_[i] = addBox(this, arrayName("txt_IFile", i), "");
    paths_[i]->setReadOnly(true);
    paths_[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QString(kPathBoxChars, QLatin1Char('n'))));
    caption->setBuddy(paths_[i]);
    QPushButton* browse = addButton(this, arrayName("cmd_IFile", i), "参照");
    connect(browse, &QPushButton::clicked, this, [this, side] { browseInput(side); });
    grid->addWidget(caption, row, 0);
    grid->addWidget(paths_[i], row, 1);
    grid->addWidget(browse, row, 2);
    ++row;

    results_[i] = addLabel(this, arrayName("lbl_IFile", i), "");
    results_[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    results_[i]->setAlignment(Qt::AlignCenter);
    results_[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("NGNG")));
    QFont bold = results_[i]->font();
    bold.setBold(true);
    results_[i]->setFont(bold);
    sizes_[i] = addLabel(this, arrayName("ttl_IFile", i), kNoSize);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(results_[i]);
    checkRow->addWidget(sizes_[i], 1);
    grid->addLayout(checkRow, row, 1, 1, 2);
    ++row;
    grid->setRowMinimumHeight(row++, 6);

    // Its preview window takes the picture's size.
    previews_[i] = new QWidget(this, Qt::Window);
    previews_[i]->setObjectName(side == Side::Top ? QStringLiteral("frmBMP1") : QStringLiteral("frmBMP2"));
    previews_[i]->setWindowTitle(utf8(sideName(side)));
    previews_[i]->setAttribute(Qt::WA_QuitOnClose, false);
    pictures_[i] = new QLabel(previews_[i]);
    pictures_[i]->setObjectName(QStringLiteral("img_BMP"));
    auto* previewLayout = new QVBoxLayout(previews_[i]);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(pictures_[i]);
    previewLayout->setSizeConstraint(QLayout::SetFixedSize);
  }

  // Height and depth, each followed by its unit.
  height_ = addBox(this, QStringLiteral("txt_Height"), kDefaultHeight);
  depth_ = addBox(this, QStringLiteral("txt_Depth"), kDefaultDepth);
  auto* numbers = new QHBoxLayout;
  const struct {
    const char* caption;
    const char* captionName;
    const char* unitName;
    QLineEdit* box;
  } numberBoxes[] = {{"高さ", "lbl_Height", "lbl_HeightUnit", height_}, {"奥行", "lbl_Depth", "lbl_DepthUnit", depth_}};
  for (const auto& [caption, captionName, unitName, box] : numberBoxes) {
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(fontMetrics().horizontalAdvance(QString(kNumberBoxChars, QLatin1Char('0'))) + 12);
    QLabel* label = addLabel(this, QString::fromLatin1(captionName), caption);
    label->setBuddy(box);
    numbers->addWidget(label);
    numbers->addWidget(box);
    numbers->addWidget(addLabel(this, QString::fromLatin1(unitName), "pixels"));
    numbers->addSpacing(16);
  }
  numbers->addStretch(1);
  grid->addWidget(addLabel(this, QStringLiteral("lbl_Size"), "サイズ"), row, 0);
  grid->addLayout(numbers, row, 1, 1, 2);
  ++row;
  grid->setRowMinimumHeight(row++, 6);

  // The output file.
  output_ = addBox(this, QStringLiteral("txt_OFile"), kDefaultOutput);
  QLabel* outputCaption = addLabel(this, QStringLiteral("lbl_OFile"), "出力ファイル");
  outputCaption->setBuddy(output_);
  QPushButton* browseOut = addButton(this, arrayName("cmd_OFile", 0), "参照");
  QPushButton* outputButton = addButton(this, arrayName("cmd_OFile", 1), "出力");
  outputButton->setDefault(true);
  grid->addWidget(outputCaption, row, 0);
  grid->addWidget(output_, row, 1);
  grid->addWidget(browseOut, row, 2);
  ++row;
  grid->setRowMinimumHeight(row++, 8);

  QPushButton* aboutButton = addButton(this, QStringLiteral("cmd_ABOUT"), "About");
  QPushButton* endButton = addButton(this, QStringLiteral("cmd_END"), "終了");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(aboutButton);
  buttons->addStretch(1);
  buttons->addWidget(outputButton);
  buttons->addWidget(endButton);
  for (QPushButton* button : {aboutButton, outputButton, endButton})
    button->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("nnnnnnnnnn")));
  grid->addLayout(buttons, row, 0, 1, 3);
  grid->setSizeConstraint(QLayout::SetMinimumSize);

  connect(browseOut, &QPushButton::clicked, this, &Window::browseOutput);
  connect(outputButton, &QPushButton::clicked, this, &Window::output);
  connect(aboutButton, &QPushButton::clicked, this, &Window::about);
  connect(endButton, &QPushButton::clicked, this, &QWidget::close);

  for (Side side : kSides) showInput(side);
  resize(sizeHint());
}

void Window::readBoxes() {
  flow_.boxes = {height_->text().toStdString(), depth_->text().toStdString(), output_->text().toStdString()};
}

void Window::browseInput(Side side) {
  if (flow_.browseInput(side) == ui::Outcome::Cancelled) return;
  showInput(side);
}

void Window::chooseInput(Side side, const std::filesystem::path& file) {
  flow_.chooseInput(side, file);
  showInput(side);
}

void Window::browseOutput() {
  readBoxes();
  if (flow_.browseOutput() == ui::Outcome::Done) output_->setText(utf8(flow_.boxes.output));
}

void Window::output() {
  readBoxes();
  flow_.output();
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

  const QImage image = input.ok() ? QImage(ui::toQString(input.path)) : QImage();
  if (image.isNull()) {
    pictures_[i]->clear();
    previews_[i]->hide();
    return;
  }
  pictures_[i]->setPixmap(QPixmap::fromImage(image));
  pictures_[i]->setFixedSize(image.size());
  previews_[i]->setWindowTitle(utf8(sideName(side)) + QStringLiteral(" - ") + QFileInfo(utf8(input.path)).fileName());
  previews_[i]->adjustSize();
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
