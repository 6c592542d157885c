// The demo's pelletry step: a food file of eight frames and one of a single frame, built from
// the sample food picture and frames as the window's Save builds them, each checked against
// the layout's length and map offset.
#include "brinkit/demo_steps.hpp"

#include <sstream>

#include "base/bytes.hpp"
#include "base/file_io.hpp"
#include "base/reader.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "pelletry/pelletry.hpp"
#include "samples/bitmaps.hpp"
#include "ui/cli_ui.hpp"

namespace brinkit {

namespace fs = std::filesystem;

namespace {

base::Result<void> buildFood(const fs::path& bitmaps, const fs::path& output, std::size_t frameCount) {
  std::ostringstream messages;
  ui::CliUi cli(messages, true);  // the demo replaces its own earlier files
  pelletry::Pelletry tool(cli);
  tool.boxes.name = "Sample Flakes";
  tool.boxes.memo = "Bright flakes that turn slowly as they sink. Drawn by brinkit.";
  tool.boxes.id = "42";
  tool.boxes.kind = 1;
  tool.setPicture(base::displayPath(bitmaps / "food-picture.bmp"));
  std::uintmax_t inputs = fs::file_size(bitmaps / "food-picture.bmp");
  for (std::size_t k = 1; k <= frameCount; ++k) {
    const fs::path frame = bitmaps / base::pathFromUtf8(base::strcat("food-frame-0", k, ".bmp"));
    tool.addFrame(base::displayPath(frame));
    inputs += fs::file_size(frame);
  }
  cli.answerDialog(pelletry::kSaveTitle, output);
  const auto saved = tool.save();
  if (saved.outcome != ui::Outcome::Done)
    return base::fail(base::strcat("pelletry did not build ", base::displayPath(output), ". ", messages.str()));

  // Length 1018 + 16n + P + ΣF, the map right after the last frame.
  const std::uintmax_t expected = 1018 + 16 * frameCount + inputs;
  auto file = base::readFile(output, 1 << 20);
  if (!file || file->size() != expected || base::readU32(*file, 4).value_or(0) + 158 + 12 * frameCount != expected)
    return base::fail(base::strcat(base::displayPath(output), " is not laid out as a food file of ", frameCount, " frames."));
  return {};
}

}  // namespace

base::Result<DemoRows> demoPelletry(const fs::path& out) {
  const fs::path bitmaps = out / "bitmaps";
  if (auto ok = buildFood(bitmaps, out / "sample.fd", samples::kFoodFrameCount); !ok) return std::unexpected(ok.error());
  if (auto ok = buildFood(bitmaps, out / "sample-one-frame.fd", 1); !ok) return std::unexpected(ok.error());
  return DemoRows{
      demoRow(out / "sample.fd", "pelletry's food file: the sample food picture and its eight frames"),
      demoRow(out / "sample-one-frame.fd", "pelletry's food file with a single frame (the single-frame layout)"),
  };
}

}  // namespace brinkit
