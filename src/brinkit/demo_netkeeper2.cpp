// The demo's netkeeper2 step: the sample extended-edition tank, every fish's health set through
// the fish-information edits, then an egg count typed into the grid and written back.
#include <sstream>

#include "base/file_io.hpp"
#include "brinkit/demo_steps.hpp"
#include "netkeeper2/netkeeper2.hpp"
#include "samples/wtk.hpp"
#include "ui/cli_ui.hpp"

namespace brinkit {

base::Result<DemoRows> demoNetkeeper2(const std::filesystem::path& out) {
  const auto tank = out / "sample.wtk";
  if (auto written = samples::writeWtk(tank); !written) return std::unexpected(written.error());
  std::ostringstream messages;
  ui::CliUi cli(messages);
  netkeeper2::Netkeeper2 tool(cli);
  auto opened = tool.open(tank);
  netkeeper2::FishEdits edits;
  edits.health = 100;
  const auto healthy = netkeeper2::outputPath(out, "healthy", tank);
  if (!opened || tool.generate(*opened, edits, healthy) != ui::Outcome::Done)
    return base::fail("netkeeper2 did not edit sample.wtk. " + messages.str());

  auto edited = tool.open(healthy);
  if (!edited) return base::fail("netkeeper2 cannot open its own healthy.wtk. " + messages.str());
  const auto rows = tool.grid(*edited);
  std::vector<netkeeper2::GridCells> cells;
  for (const auto& row : rows) {
    if (row.base && row.base->kind != netkeeper2::BaseKind::Egg && row.cells[netkeeper2::kHealth - 1] != "100")
      return base::fail("netkeeper2's grid shows a fish of healthy.wtk whose health is not 100.");
    cells.push_back(row.cells);
  }
  for (auto& row : cells)
    if (row[netkeeper2::kSex - 1] == "egg") row[netkeeper2::kEgg - 1] = "999";
  if (tool.writeBack(*edited, rows, cells, out, "eggs") != ui::Outcome::Done)
    return base::fail("netkeeper2 did not write the grid back. " + messages.str());
  const auto eggs = tool.lastOutput();
  auto back = tool.open(eggs);
  if (!back) return base::fail("netkeeper2 cannot open its own eggs.wtk. " + messages.str());
  for (const auto& row : tool.grid(*back))
    if (row.base && row.base->kind == netkeeper2::BaseKind::Egg && row.cells[netkeeper2::kEgg - 1] != "255")
      return base::fail("netkeeper2 wrote an egg count other than 255 for 999.");
  return DemoRows{demoRow(tank, "sample extended-edition tank (brinkit samples wtk)"),
                  demoRow(healthy, "netkeeper2: every fish's health set to 100"),
                  demoRow(eggs, "netkeeper2's grid: egg counts typed as 999, written as 255")};
}

}  // namespace brinkit
