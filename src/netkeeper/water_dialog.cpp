#include "netkeeper/water_dialog.hpp"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/control_table.hpp"
#include "ui/qt/number_box_hint.hpp"
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

  ui::ControlTable table(this);
  table.add({
      ui::column("dialog"),
      ui::row("file").in("dialog"),
      ui::label("lblFileName", "File Name").in("file").buddy("txtFileName"),
      ui::lineEdit("txtFileName", state_.fileName.c_str()).in("file", 1).into(fileName_),
      ui::grid("values").in("dialog"),
      ui::checkBox("chkVolChange", kVolChange).into(volumeChange_),
  });
  auto* grid = static_cast<QGridLayout*>(table.layout("values"));
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
    attachNumberHint(k);
    if (k == kVolumeBox) grid->addWidget(volumeChange_, row, 2);  // beside the volume
    ++row;
  }
  // The boxes line up: every unit label, an empty one for PH and GH, takes the widest one's width.
  int unitWidth = 0;
  for (QLabel* unit : units_) unitWidth = std::max(unitWidth, unit->sizeHint().width());
  for (QLabel* unit : units_) unit->setFixedWidth(unitWidth);
  table.add({
      ui::row("buttons").in("dialog"),
      ui::button("cmdInit", kInit).in("buttons"),
      ui::stretch("buttons"),
      ui::button("cmdUpdate", kUpdate).with(ui::kDefault).in("buttons"),
  });
  connect(table.get<QPushButton>("cmdInit"), &QPushButton::clicked, this, &WaterSettingsDialog::init);
  connect(table.get<QPushButton>("cmdUpdate"), &QPushButton::clicked, this, &WaterSettingsDialog::update);
}

// Every box is stored as a count of thousandths in 32 bits; the temperature must also pass the
// version test. Amounts are shown per millilitre of the tank, unless its volume is 0.
void WaterSettingsDialog::attachNumberHint(std::size_t k) {
  const double largest = 4294967.295;
  ui::NumberBoxHint hint{0, largest, 3, ui::NumberRule::Refuse, {}, QStringLiteral("lblWater%1Unit").arg(k)};
  if (k == kVolumeBox) hint.unit = QStringLiteral("litres");
  if (k == kTemperatureBox) {
    hint.low = 15;
    hint.high = 40;
    hint.unit = QStringLiteral("°C");
  }
  if (k >= kFirstAmountBox) hint.unit = QStringLiteral("per ml");
  QLabel* unit = ui::attachNumberHint(boxes_[k], hint);
  units_[k] = unit ? unit : ui::addBoxNote(boxes_[k], {}, hint.unitName);
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
