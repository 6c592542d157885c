#include "netkeeper/water_dialog.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/qt_ui.hpp"

namespace netkeeper {

namespace {

// The boxes as they stand on screen, top to bottom: Mg (10) above Ca (9).
constexpr std::array<std::size_t, tankfile::kWaterValueCount> kScreenOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 9, 11, 12, 13, 14};

}  // namespace

WaterSettingsDialog::WaterSettingsDialog(Water& water, WaterDialog state, std::filesystem::path folder, QWidget* parent)
    : QDialog(parent), water_(water), state_(std::move(state)), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("frmWater"));
  setWindowTitle(QString::fromLatin1(kWaterCaption));

  auto* fileLabel = new QLabel(QStringLiteral("File Name"), this);
  fileLabel->setObjectName(QStringLiteral("lblFileName"));
  fileName_ = new QLineEdit(ui::toQString(state_.fileName), this);
  fileName_->setObjectName(QStringLiteral("txtFileName"));
  fileLabel->setBuddy(fileName_);

  auto* grid = new QGridLayout;
  volumeChange_ = new QCheckBox(QString::fromLatin1(kVolChange), this);
  volumeChange_->setObjectName(QStringLiteral("chkVolChange"));
  int row = 0;
  for (std::size_t k : kScreenOrder) {
    auto* label = new QLabel(QString::fromLatin1(kWaterLabels[k]), this);
    label->setObjectName(QStringLiteral("lblWater%1").arg(k));
    boxes_[k] = new QLineEdit(ui::toQString(state_.shown[k]), this);
    boxes_[k]->setObjectName(QStringLiteral("txtWater%1").arg(k));
    boxes_[k]->setAlignment(Qt::AlignRight);
    label->setBuddy(boxes_[k]);
    grid->addWidget(label, row, 0);
    grid->addWidget(boxes_[k], row, 1);
    if (k == kVolumeBox) grid->addWidget(volumeChange_, row, 2);  // beside the volume
    ++row;
  }

  auto* initButton = new QPushButton(QString::fromLatin1(kInit), this);
  initButton->setObjectName(QStringLiteral("cmdInit"));
  auto* updateButton = new QPushButton(QString::fromLatin1(kUpdate), this);
  updateButton->setObjectName(QStringLiteral("cmdUpdate"));
  updateButton->setDefault(true);
  connect(initButton, &QPushButton::clicked, this, &WaterSettingsDialog::init);
  connect(updateButton, &QPushButton::clicked, this, &WaterSettingsDialog::update);

  auto* top = new QHBoxLayout;
  top->addWidget(fileLabel);
  top->addWidget(fileName_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(initButton);
  buttons->addStretch();
  buttons->addWidget(updateButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addLayout(buttons);
}

void WaterSettingsDialog::init() {
  WaterTexts texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = boxes_[k]->text().toStdString();
  initWater(texts);
  for (std::size_t k = 0; k < texts.size(); ++k) boxes_[k]->setText(ui::toQString(texts[k]));
}

void WaterSettingsDialog::update() {
  for (std::size_t k = 0; k < boxes_.size(); ++k) state_.boxes[k] = boxes_[k]->text().toStdString();
  state_.volumeChange = volumeChange_->isChecked();
  state_.fileName = fileName_->text().toStdString();
  if (water_.update(state_, folder_) == ui::Outcome::Done) accept();
}

}  // namespace netkeeper
