#pragma once
// netkeeper's dialogs: Fish Infomation (the values to write into the fish of a kind) and
// Splicing (the genes to write). Each tick box shows its value control while ticked. A line at
// the top says which fish are edited. OK hands the boxes to a callback that edits and writes;
// the dialog closes once written, and stays open otherwise (a gene out of range, a file that
// could not be written or was not to be replaced), showing the boxes as the callback left
// them (Health "-5" becomes "0").
#include <QDialog>
#include <array>
#include <functional>

#include "netkeeper/netkeeper.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace netkeeper {

// 5200 x 3650 twips, at 15 twips a pixel.
inline constexpr int kDialogWidth = 3650 / 15, kDialogHeight = 5200 / 15;

class FishDialog : public QDialog {
  Q_OBJECT

 public:
  using OnOk = std::function<ui::Outcome(FishBoxes&)>;
  // caption: the kind's name; presetAge: the Age box's text.
  FishDialog(const QString& caption, int presetAge, OnOk onOk, QWidget* parent = nullptr);

  // The line at the top: "Edits all 5 Guppies and 2 Guppy eggs".
  void setScope(const QString& text);
  FishBoxes boxes() const;
  void setBoxes(const FishBoxes& boxes);
  void ok();

 private:
  void showValues();

  OnOk onOk_;
  std::array<QCheckBox*, 7> ticks_{};  // Age, Health, Vigor, Courage, Power, Sex, Eggs
  std::array<QLineEdit*, 7> values_{};  // none for Sex
  QRadioButton* male_ = nullptr;
  QRadioButton* female_ = nullptr;
  QLineEdit* fileName_ = nullptr;
  QLabel* scope_ = nullptr;
};

class SplicingDialog : public QDialog {
  Q_OBJECT

 public:
  using OnOk = std::function<ui::Outcome(const GeneBoxes&)>;
  SplicingDialog(const QString& caption, OnOk onOk, QWidget* parent = nullptr);

  // The line at the top: "Edits all 5 Guppies and 2 Guppy eggs".
  void setScope(const QString& text);
  GeneBoxes boxes() const;
  void setBoxes(const GeneBoxes& boxes);
  void ok();

 private:
  void showValues();

  OnOk onOk_;
  std::array<QCheckBox*, tankfile::kGeneCount> ticks_{};
  std::array<QLineEdit*, tankfile::kGeneCount> values_{};
  QLineEdit* fileName_ = nullptr;
  QLabel* scope_ = nullptr;
};

}  // namespace netkeeper
