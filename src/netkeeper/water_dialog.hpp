#pragma once
// The Watter Settings dialog: the tank's fifteen water values, "Vol Change", "init" and
// "UPDATE". Loading (and the version test) happens before it opens: see Water::load.
#include <QDialog>
#include <array>
#include <filesystem>

#include "netkeeper/water.hpp"

class QCheckBox;
class QLineEdit;
class QLabel;

namespace netkeeper {

class WaterSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // `folder`: where UPDATE writes (the main window's folder).
  WaterSettingsDialog(Water& water, WaterDialog state, std::filesystem::path folder, QWidget* parent = nullptr);

  // "init": fresh water in every box but the volume.
  void init();
  // "UPDATE": writes, and closes the dialog when written.
  void update();

 private:
  void attachNumberHint(std::size_t box);
  std::array<QLabel*, tankfile::kWaterValueCount> units_{};
  Water& water_;
  WaterDialog state_;
  std::filesystem::path folder_;
  std::array<QLineEdit*, tankfile::kWaterValueCount> boxes_{};
  QCheckBox* volumeChange_;
  QLineEdit* fileName_;
};

}  // namespace netkeeper
