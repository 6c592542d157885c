#include "netkeeper/option_dialog.hpp"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/strcat.hpp"
#include "ui/qt/choosing_path_label.hpp"
#include "ui/qt/control_table.hpp"
#include "ui/qt/file_browser.hpp"
#include "ui/qt/qt_ui.hpp"

namespace netkeeper {

ArchivePicker::ArchivePicker(const std::filesystem::path& start, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmArchive"));
  setWindowTitle(QString::fromLatin1(kArchiveName));
  browser_ = new ui::FileBrowser(start, this);
  browser_->setPattern(QString::fromLatin1(kArchiveName));
  label_ = new QLabel(this);  // cleared at every opening
  label_->setObjectName(QStringLiteral("lblArchive"));
  auto* hint = new QLabel(QStringLiteral("Double-click %1 to choose it.").arg(QString::fromLatin1(kArchiveName)), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addWidget(hint);
  layout->addWidget(label_);
  connect(browser_, &ui::FileBrowser::fileActivated, this, [this](const QString& path) {
    chosen_ = path;
    label_->setText(QDir::toNativeSeparators(path));
    accept();
  });
  resize(520, 360);
}

OptionDialog::OptionDialog(ArchivePatch& patch, std::filesystem::path pickerStart, QWidget* parent)
    : QDialog(parent), worker_(patch.ui()), patch_(worker_.ui()), pickerStart_(std::move(pickerStart)) {
  setObjectName(QStringLiteral("frmOption"));
  setWindowTitle(QString::fromLatin1(kOptionCaption));
  const std::string tip = base::strcat("Click to choose ", kArchiveName);
  ui::ControlTable table(this);
  table.add({
      ui::column("dialog"),
      ui::checkBox("chkHeater", kEraseRanges[0].caption).in("dialog").into(ranges_[0]),
      ui::checkBox("chkFilter", kEraseRanges[1].caption).in("dialog").into(ranges_[1]),
      ui::checkBox("chkHeaterLayout", kEraseRanges[2].caption).in("dialog").into(ranges_[2]),
      ui::checkBox("chkFilterLayout", kEraseRanges[3].caption).in("dialog").into(ranges_[3]),
      ui::custom("lblPath", [this](QWidget* owner) { return new ui::ChoosingPathLabel([this] { chooseArchive(); }, owner); })
          .tip(tip.c_str())
          .in("dialog")
          .into(path_),
      ui::button("cmdErase", kErase).into(erase_),
      ui::button("cmdUndo", kUndo).into(undo_),
      ui::row("buttons").in("dialog"),
      ui::place("cmdErase").in("buttons"),
      ui::place("cmdUndo").in("buttons"),
  });
  path_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  connect(erase_, &QPushButton::clicked, this, &OptionDialog::erase);
  connect(undo_, &QPushButton::clicked, this, &OptionDialog::undo);
  setArchive({});  // nothing chosen when the dialog loads
  resize(320, 220);
}

void OptionDialog::setArchive(const QString& path) {
  archive_ = path;
  path_->setPath(QDir::toNativeSeparators(path));
  erase_->setEnabled(!path.isEmpty());
  undo_->setEnabled(!path.isEmpty());
}

void OptionDialog::chooseArchive() {
  ArchivePicker picker(archive_.isEmpty() ? pickerStart_ : ui::toPath(QFileInfo(archive_).absolutePath()), this);
  picker.exec();
  setArchive(picker.chosen());
}

void OptionDialog::erase() {
  if (archive_.isEmpty() || worker_.running()) return;
  EraseChoice choice{};
  for (std::size_t r = 0; r < choice.size(); ++r) choice[r] = ranges_[r]->isChecked();
  worker_.start([this, archive = ui::toPath(archive_), choice] { erased_ = patch_.erase(archive, choice); },
                [this] {
                  if (erased_ == ui::Outcome::Done) done_ = ui::toQString(erasedText(ui::toPath(archive_), patch_.erased()));
                  if (erased_ != ui::Outcome::Cancelled) accept();  // no range ticked, or stopped: stays open
                });
}

OptionDialog::~OptionDialog() { worker_.shutDown(); }

void OptionDialog::reject() {
  if (worker_.running()) return;
  QDialog::reject();
}

void OptionDialog::undo() {
  if (archive_.isEmpty() || worker_.running()) return;
  if (patch_.undo(ui::toPath(archive_)) != ui::Outcome::Done) return;
  done_ = ui::toQString(restoredText(ui::toPath(archive_)));
  accept();
}

}  // namespace netkeeper
