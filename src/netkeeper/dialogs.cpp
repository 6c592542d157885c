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

#include "ui/qt/qt_ui.hpp"

namespace netkeeper {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }
QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// A value control keeps its place while hidden, so the tick boxes do not move.
void keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(text(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);  // Enter acts as OK only in the File Name box
  return button;
}

QLineEdit* makeBox(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  keepPlaceWhenHidden(box);
  return box;
}

// "File Name" and its box, then OK and Cancel.
QLineEdit* addFileNameAndButtons(QDialog* dialog, QVBoxLayout* column, const std::function<void()>& ok) {
  auto* label = new QLabel(text(kFileName), dialog);
  label->setObjectName(QStringLiteral("lblFileName"));
  auto* fileName = makeBox(dialog, QStringLiteral("txtFileName"));
  fileName->setText(text(kDefaultOutputName));
  label->setBuddy(fileName);
  QObject::connect(fileName, &QLineEdit::returnPressed, dialog, ok);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(fileName, 1);
  column->addLayout(row);

  auto* buttons = new QHBoxLayout;
  auto* okButton = makeButton(dialog, "cmdOK", kOk);
  auto* cancel = makeButton(dialog, "cmdCancel", kCancel);
  QObject::connect(okButton, &QPushButton::clicked, dialog, ok);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  buttons->addStretch(1);
  buttons->addWidget(okButton);
  buttons->addWidget(cancel);
  column->addLayout(buttons);
  return fileName;
}

}  // namespace

FishDialog::FishDialog(const QString& caption, int presetAge, OnOk onOk, QWidget* parent)
    : QDialog(parent), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("frmFish"));
  setWindowTitle(caption);
  static constexpr std::array<const char*, 7> kTickNames = {"chkAge", "chkHealth", "chkVigor", "chkCourage",
                                                            "chkPower", "chkSex", "chkEggs"};
  static constexpr std::array<const char*, 7> kBoxNames = {"txtAge", "txtHealth", "txtVigor", "txtCourage",
                                                           "txtPower", nullptr, "txtEggs"};
  auto* column = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < ticks_.size(); ++i) {
    ticks_[i] = new QCheckBox(text(kFishBoxCaptions[i]), this);
    ticks_[i]->setObjectName(QString::fromLatin1(kTickNames[i]));
    connect(ticks_[i], &QCheckBox::toggled, this, &FishDialog::showValues);
    const int row = static_cast<int>(i);
    grid->addWidget(ticks_[i], row, 0);
    if (kBoxNames[i]) {
      values_[i] = makeBox(this, QString::fromLatin1(kBoxNames[i]));
      grid->addWidget(values_[i], row, 1);
    }
  }
  male_ = new QRadioButton(text(kMale), this);
  male_->setObjectName(QStringLiteral("optM"));
  female_ = new QRadioButton(text(kFemale), this);
  female_->setObjectName(QStringLiteral("optW"));
  keepPlaceWhenHidden(male_);
  keepPlaceWhenHidden(female_);
  auto* sexes = new QButtonGroup(this);  // setting one clears the other
  sexes->addButton(male_);
  sexes->addButton(female_);
  auto* sexRow = new QHBoxLayout;
  sexRow->addWidget(male_);
  sexRow->addWidget(female_);
  sexRow->addStretch(1);
  grid->addLayout(sexRow, 5, 1);
  grid->setColumnStretch(1, 1);
  column->addLayout(grid);
  column->addStretch(1);
  fileName_ = addFileNameAndButtons(this, column, [this] { ok(); });

  FishBoxes presets;
  presets.ageText = std::to_string(presetAge);
  setBoxes(presets);
  resize(kDialogWidth, kDialogHeight);
}

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
  if (outcome != ui::Outcome::Refused) accept();
}

SplicingDialog::SplicingDialog(const QString& caption, OnOk onOk, QWidget* parent) : QDialog(parent), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("frmSplicing"));
  setWindowTitle(caption);
  auto* column = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
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
  }
  column->addLayout(grid);
  column->addStretch(1);
  fileName_ = addFileNameAndButtons(this, column, [this] { ok(); });
  setBoxes(GeneBoxes{});
  resize(kDialogWidth, kDialogHeight);
}

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
  if (outcome != ui::Outcome::Refused) accept();
}

}  // namespace netkeeper
