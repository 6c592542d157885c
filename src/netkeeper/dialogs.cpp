#include "netkeeper/dialogs.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/qt/control_table.hpp"
#include "ui/qt/number_box_hint.hpp"
#include "ui/qt/qt_ui.hpp"

namespace netkeeper {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QLineEdit* makeBox(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  QSizePolicy policy = box->sizePolicy();
  policy.setRetainSizeWhenHidden(true);  // the tick boxes do not move when it hides
  box->setSizePolicy(policy);
  return box;
}

// The line above the boxes saying which fish the dialog edits: hidden until set.
void showScope(QLabel* label, const QString& text) {
  label->setWordWrap(true);
  label->setText(text);
  label->setVisible(!text.isEmpty());
}

// "File Name" and its box, then OK and Cancel, below the rest of the dialog's column.
QLineEdit* addFileNameAndButtons(ui::ControlTable& table, QDialog* dialog, const std::function<void()>& ok) {
  QLineEdit* fileName = nullptr;
  table.add({
      ui::row("file").in("dialog"),
      ui::label("lblFileName", kFileName).in("file").buddy("txtFileName"),
      ui::lineEdit("txtFileName", kDefaultOutputName).with(ui::kKeepPlace).in("file", 1).into(fileName),
      ui::row("buttons").in("dialog"),
      ui::stretch("buttons"),
      // Enter acts as OK only in the File Name box.
      ui::button("cmdOK", kOk).with(ui::kNoAutoDefault).in("buttons"),
      ui::button("cmdCancel", kCancel).with(ui::kNoAutoDefault).in("buttons"),
  });
  QObject::connect(fileName, &QLineEdit::returnPressed, dialog, ok);
  QObject::connect(table.get<QPushButton>("cmdOK"), &QPushButton::clicked, dialog, ok);
  QObject::connect(table.get<QPushButton>("cmdCancel"), &QPushButton::clicked, dialog, &QDialog::reject);
  return fileName;
}

}  // namespace

FishDialog::FishDialog(const QString& caption, int presetAge, OnOk onOk, QWidget* parent)
    : QDialog(parent), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("frmFish"));
  setWindowTitle(caption);
  // A value box keeps its place while hidden, so the tick boxes do not move.
  const auto& captions = kFishBoxCaptions;
  ui::ControlTable table(this);
  table.add({
      ui::column("dialog"),
      ui::label("lblScope", "").in("dialog").into(scope_),
      ui::grid("boxes").in("dialog"),
      ui::checkBox("chkAge", captions[0]).at("boxes", 0, 0).into(ticks_[0]),
      ui::lineEdit("txtAge").with(ui::kKeepPlace).at("boxes", 0, 1).into(values_[0]),
      ui::checkBox("chkHealth", captions[1]).at("boxes", 1, 0).into(ticks_[1]),
      ui::lineEdit("txtHealth").with(ui::kKeepPlace).at("boxes", 1, 1).into(values_[1]),
      ui::checkBox("chkVigor", captions[2]).at("boxes", 2, 0).into(ticks_[2]),
      ui::lineEdit("txtVigor").with(ui::kKeepPlace).at("boxes", 2, 1).into(values_[2]),
      ui::checkBox("chkCourage", captions[3]).at("boxes", 3, 0).into(ticks_[3]),
      ui::lineEdit("txtCourage").with(ui::kKeepPlace).at("boxes", 3, 1).into(values_[3]),
      ui::checkBox("chkPower", captions[4]).at("boxes", 4, 0).into(ticks_[4]),
      ui::lineEdit("txtPower").with(ui::kKeepPlace).at("boxes", 4, 1).into(values_[4]),
      ui::checkBox("chkSex", captions[5]).at("boxes", 5, 0).into(ticks_[5]),
      ui::checkBox("chkEggs", captions[6]).at("boxes", 6, 0).into(ticks_[6]),
      ui::lineEdit("txtEggs").with(ui::kKeepPlace).at("boxes", 6, 1).into(values_[6]),
      ui::row("sexes").at("boxes", 5, 1),
      ui::radioButton("optM", kMale).with(ui::kKeepPlace).in("sexes").into(male_),
      ui::radioButton("optW", kFemale).with(ui::kKeepPlace).in("sexes").into(female_),
      ui::stretch("sexes"),
      ui::columnStretch("boxes", 1, 1),
      ui::stretch("dialog"),
  });
  // Age is held to a 32-bit count of days, the percentages to 0-100 and the eggs to 1-255.
  ui::attachNumberHint(values_[0], {-2147483648.0, 2147483647.0, 0, ui::NumberRule::Clamp, QStringLiteral("days"), QStringLiteral("lblAgeUnit")});
  const char* percentNames[] = {"lblHealthUnit", "lblVigorUnit", "lblCourageUnit", "lblPowerUnit"};
  for (int i = 1; i <= 4; ++i)
    ui::attachNumberHint(values_[i], {0, 100, 0, ui::NumberRule::Clamp, QStringLiteral("%"), QString::fromLatin1(percentNames[i - 1])});
  ui::attachNumberHint(values_[6], {1, 255, 0, ui::NumberRule::Clamp, QStringLiteral("eggs"), QStringLiteral("lblEggsUnit")});
  auto* sexes = new QButtonGroup(this);  // setting one clears the other
  sexes->addButton(male_);
  sexes->addButton(female_);
  fileName_ = addFileNameAndButtons(table, this, [this] { ok(); });
  for (QCheckBox* tick : ticks_) connect(tick, &QCheckBox::toggled, this, &FishDialog::showValues);

  showScope(scope_, {});
  FishBoxes presets;
  presets.ageText = std::to_string(presetAge);
  setBoxes(presets);
  resize(kDialogWidth, kDialogHeight);
}

void FishDialog::setScope(const QString& text) { showScope(scope_, text); }

FishBoxes FishDialog::boxes() const {
  FishBoxes b;
  bool* flags[] = {&b.age, &b.health, &b.vigor, &b.courage, &b.power, &b.sex, &b.eggs};
  std::string* texts[] = {&b.ageText, &b.healthText, &b.vigorText, &b.courageText, &b.powerText, nullptr, &b.eggsText};
  for (std::size_t i = 0; i < ticks_.size(); ++i) {
    *flags[i] = ticks_[i]->isChecked();
    if (texts[i]) *texts[i] = values_[i]->text().toStdString();
  }
  b.male = male_->isChecked();
  b.fileName = fileName_->text().toStdString();
  return b;
}

void FishDialog::setBoxes(const FishBoxes& b) {
  const bool flags[] = {b.age, b.health, b.vigor, b.courage, b.power, b.sex, b.eggs};
  const std::string* texts[] = {&b.ageText, &b.healthText, &b.vigorText, &b.courageText, &b.powerText, nullptr, &b.eggsText};
  for (std::size_t i = 0; i < ticks_.size(); ++i) {
    ticks_[i]->setChecked(flags[i]);
    if (texts[i]) values_[i]->setText(text(*texts[i]));
  }
  (b.male ? male_ : female_)->setChecked(true);
  fileName_->setText(text(b.fileName));
  showValues();
}

void FishDialog::showValues() {
  for (std::size_t i = 0; i < ticks_.size(); ++i)
    if (values_[i]) values_[i]->setVisible(ticks_[i]->isChecked());
  male_->setVisible(ticks_[5]->isChecked());
  female_->setVisible(ticks_[5]->isChecked());
}

void FishDialog::ok() {
  FishBoxes b = boxes();
  const ui::Outcome outcome = onOk_ ? onOk_(b) : ui::Outcome::Done;
  setBoxes(b);  // the clamped boxes
  if (outcome == ui::Outcome::Done) accept();
}

SplicingDialog::SplicingDialog(const QString& caption, OnOk onOk, QWidget* parent) : QDialog(parent), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("frmSplicing"));
  setWindowTitle(caption);
  ui::ControlTable table(this);
  table.add({ui::column("dialog"), ui::label("lblScope", "").in("dialog").into(scope_), ui::grid("boxes").in("dialog")});
  auto* grid = static_cast<QGridLayout*>(table.layout("boxes"));
  for (std::size_t i = 0; i < ticks_.size(); ++i) {
    ticks_[i] = new QCheckBox(QStringLiteral("Gene %1").arg(i + 1), this);
    ticks_[i]->setObjectName(QStringLiteral("chkGene_%1").arg(i));
    values_[i] = makeBox(this, QStringLiteral("txtGene_%1").arg(i));
    values_[i]->setMaximumWidth(48);
    connect(ticks_[i], &QCheckBox::toggled, this, &SplicingDialog::showValues);
    // Boxes 0-6 on the left, 7-13 on the right.
    const int row = static_cast<int>(i % 7), col = static_cast<int>(i / 7) * 2;
    grid->addWidget(ticks_[i], row, col);
    grid->addWidget(values_[i], row, col + 1);
    ui::attachNumberHint(values_[i], {0, 255, 0, ui::NumberRule::Refuse, {}, {}});  // a gene has no unit
  }
  table.add({ui::stretch("dialog")});
  fileName_ = addFileNameAndButtons(table, this, [this] { ok(); });
  showScope(scope_, {});
  setBoxes(GeneBoxes{});
  resize(kDialogWidth, kDialogHeight);
}

void SplicingDialog::setScope(const QString& text) { showScope(scope_, text); }

GeneBoxes SplicingDialog::boxes() const {
  GeneBoxes b;
  for (std::size_t i = 0; i < ticks_.size(); ++i) {
    b.ticked[i] = ticks_[i]->isChecked();
    b.text[i] = values_[i]->text().toStdString();
  }
  b.fileName = fileName_->text().toStdString();
  return b;
}

void SplicingDialog::setBoxes(const GeneBoxes& b) {
  for (std::size_t i = 0; i < ticks_.size(); ++i) {
    ticks_[i]->setChecked(b.ticked[i]);
    values_[i]->setText(text(b.text[i]));
  }
  fileName_->setText(text(b.fileName));
  showValues();
}

void SplicingDialog::showValues() {
  for (std::size_t i = 0; i < ticks_.size(); ++i) values_[i]->setVisible(ticks_[i]->isChecked());
}

void SplicingDialog::ok() {
  const ui::Outcome outcome = onOk_ ? onOk_(boxes()) : ui::Outcome::Done;
  if (outcome == ui::Outcome::Done) accept();
}

}  // namespace netkeeper
