// Control tables: the controls are made in the rows' order (the Tab order and --describe's),
// and each goes where its row says, even when the order of making and of placing differ.
#include <gtest/gtest.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/qt/control_table.hpp"

namespace {

TEST(ControlTable, MakesInRowOrderAndPlacesWhereEachRowSays) {
  QWidget window;
  QLineEdit* box = nullptr;
  ui::ControlTable table(&window);
  table.add({
      ui::grid("window").spacing(8, 4),
      ui::lineEdit("txtName", "Sample").limit(32).at("window", 0, 1).into(box),
      ui::label("lblName", "Name").at("window", 0, 0).buddy("txtName"),
      ui::button("cmdOK", "OK").with(ui::kDefault),
      ui::row("buttons").at("window", 1, 0, 1, 2),
      ui::stretch("buttons"),
      ui::button("cmdCancel", "Cancel").in("buttons"),
      ui::place("cmdOK").in("buttons"),
  });

  QStringList made;
  for (QObject* child : window.children())
    if (!child->objectName().isEmpty()) made << child->objectName();
  EXPECT_EQ(made, (QStringList{QStringLiteral("txtName"), QStringLiteral("lblName"), QStringLiteral("cmdOK"), QStringLiteral("cmdCancel")}));

  ASSERT_EQ(box, table.widget("txtName"));
  EXPECT_EQ(box->text(), QStringLiteral("Sample"));
  EXPECT_EQ(box->maxLength(), 32);
  EXPECT_EQ(table.get<QLabel>("lblName")->buddy(), box);
  EXPECT_TRUE(table.get<QPushButton>("cmdOK")->isDefault());

  auto* grid = static_cast<QGridLayout*>(window.layout());
  ASSERT_EQ(grid, table.layout("window"));
  EXPECT_EQ(grid->horizontalSpacing(), 8);
  EXPECT_EQ(grid->verticalSpacing(), 4);
  EXPECT_EQ(grid->itemAtPosition(0, 0)->widget(), table.widget("lblName"));
  EXPECT_EQ(grid->itemAtPosition(0, 1)->widget(), box);
  // The button row: the stretch, then Cancel, then OK, placed after Cancel though made before.
  auto* buttons = static_cast<QHBoxLayout*>(table.layout("buttons"));
  ASSERT_EQ(buttons->count(), 3);
  EXPECT_NE(buttons->itemAt(0)->spacerItem(), nullptr);
  EXPECT_EQ(buttons->itemAt(1)->widget(), table.widget("cmdCancel"));
  EXPECT_EQ(buttons->itemAt(2)->widget(), table.widget("cmdOK"));
}

}  // namespace
