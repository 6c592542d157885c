// The demo: makes the sample inputs, runs each tool on them, checks the results, and prints
// what it made.
#include <filesystem>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "brinkit/commands.hpp"
#include "brinkit/demo_steps.hpp"
#include "finsplit/finsplit.hpp"
#include "fernwright/fernwright.hpp"
#include "finwright/finwright.hpp"
#include "gritpress/gritpress.hpp"
#include "gritwright/gritwright.hpp"
#include "orbisk/orbisk.hpp"
#include "fishfile/animation_set.hpp"
#include "samples/bitmaps.hpp"
#include "samples/fish_drawing.hpp"
#include "samples/samples.hpp"
#include "ui/cli_ui.hpp"

namespace brinkit {

namespace fs = std::filesystem;

namespace {

using Row = DemoRow;

std::string sizeOf(const fs::path& path) { return demoSizeOf(path); }

}  // namespace

std::string demoSizeOf(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    std::uintmax_t total = 0, count = 0;
    for (const auto& entry : fs::directory_iterator(path, ec)) total += entry.file_size(ec), ++count;
    return base::strcat(count, " files, ", base::withThousands(total), " bytes");
  }
  return base::withThousands(fs::file_size(path, ec)) + " bytes";
}

DemoRow demoRow(const fs::path& path, const std::string& what) {
  return {(path.parent_path().filename() / path.filename()).generic_string(), demoSizeOf(path), what};
}

namespace {

// Every cut frame must hold the same palette indices as the frame it came from.
base::Result<void> compareFrames(const fs::path& originals, const fs::path& cut) {
  for (std::size_t n = 0; n < samples::kFrameCount; ++n) {
    const auto name = fishfile::frameName(n) + ".bmp";
    auto a = base::readFile(originals / name, 1 << 20);
    auto b = base::readFile(cut / name, 1 << 20);
    if (!a) return std::unexpected(a.error());
    if (!b) return std::unexpected(b.error());
    auto pa = base::read8BitPixels(*a);
    auto pb = base::read8BitPixels(*b);
    if (!pa || !pb || *pa != *pb) return base::fail("Frame " + name + " did not come back pixel for pixel.");
  }
  return {};
}

int runDemo(ui::CommandContext& context) {
  const fs::path out = "demo-out";
  auto step = [&](const base::Result<void>& ok) {
    if (!ok) context.err << "demo: " << ok.error().message << '\n';
    return ok.has_value();
  };
  std::error_code ec;
  fs::create_directories(out, ec);
  if (!step(samples::writeFrames(out / "frames")) || !step(samples::writeLibrary(out / "fish.lib")))
    return ui::kExitRefused;

  std::ostringstream messages;
  ui::CliUi cli(messages);
  {
    finwright::Finwright builder(cli, out);
    const auto texts = samples::sampleFishTexts();
    builder.boxes = {std::to_string(samples::kSampleFishId), texts.name, texts.latin, texts.genre, texts.habitat, texts.description};
    builder.chooseIcon(out / "frames" / "icon.bmp");
    builder.setImageFolder(out / "frames");
    cli.answerDialog(finwright::kMakeFishTitle, out / "sample.fsh");
    if (builder.build().outcome != ui::Outcome::Done) {
      context.err << "demo: finwright did not build the sample fish. " << messages.str();
      return ui::kExitRefused;
    }
  }
  // The same inputs made in memory must give the same file, byte for byte.
  auto built = base::readFile(out / "sample.fsh", 1 << 22);
  auto expected = samples::sampleFish();
  if (!built || !expected || *built != *expected) {
    context.err << "demo: finwright's sample fish differs from the one made in memory.\n";
    return ui::kExitRefused;
  }

  fs::remove_all(out / "cut", ec);
  fs::create_directories(out / "cut", ec);
  cli.answerDialog(finsplit::kOpenTitle, out / "sample.fsh");
  finsplit::Finsplit finsplitTool(cli, out / "cut");
  auto cut = finsplitTool.cut();
  if (cut.outcome != ui::Outcome::Done || cut.written != samples::kFrameCount) {
    context.err << "demo: finsplit cut " << cut.written << " frames, not 144. " << messages.str();
    return ui::kExitRefused;
  }
  if (!step(compareFrames(out / "frames", out / "cut"))) return ui::kExitRefused;

  // Plant and gravel files from the sample bitmaps; the demo replaces its own earlier files.
  const fs::path bitmaps = out / "bitmaps";
  if (!step(samples::writeBitmaps(bitmaps))) return ui::kExitRefused;
  ui::CliUi replacing(messages, true);
  fernwright::Fernwright plant(replacing);
  plant.setPath(fernwright::kIcon, (bitmaps / "plant-icon.bmp").string());
  plant.setPath(fernwright::kTop, (bitmaps / "plant-top.bmp").string());
  plant.setPath(fernwright::kFront, (bitmaps / "plant-front.bmp").string());
  plant.setPath(fernwright::kDescription, (bitmaps / "plant-description.txt").string());
  replacing.answerDialog(fernwright::kSaveTitle, out / "sample.plt");
  gritwright::Gritwright surface(replacing, out);
  surface.setBitmap(gritwright::Side::Surface, bitmaps / "gravel-surface.bmp");
  surface.setBitmap(gritwright::Side::Aspect, bitmaps / "gravel-aspect.bmp");
  surface.boxes.output = (out / "gritwright.grv").string();
  gritpress::Gritpress press(replacing);
  press.chooseInput(gritpress::Side::Top, bitmaps / "gravel-surface.bmp");
  press.chooseInput(gritpress::Side::Side, bitmaps / "gravel-aspect.bmp");
  press.boxes.output = (out / "gritpress.grv").string();
  if (plant.create().outcome != ui::Outcome::Done || surface.make().outcome != ui::Outcome::Done ||
      press.output().outcome != ui::Outcome::Done) {
    context.err << "demo: a plant or gravel file was not made. " << messages.str();
    return ui::kExitRefused;
  }

  // orbisk: a pack of four frames and the icon between filler text; a bitmap scan must find
  // exactly these five, and saving them must give back the same files.
  const std::vector<fs::path> packed = {out / "frames" / "0000.bmp", out / "frames" / "0047.bmp", out / "frames" / "0095.bmp",
                                        out / "frames" / "0143.bmp", out / "frames" / "icon.bmp"};
  base::Bytes pack;
  std::vector<base::Bytes> originals;
  for (const auto& file : packed) {
    base::appendBytes(pack, base::asBytes("-- orbisk demo filler --\n"));
    auto bytes = base::readFile(file, 1 << 20);
    if (!bytes) {
      step(std::unexpected(bytes.error()));
      return ui::kExitRefused;
    }
    base::appendBytes(pack, *bytes);
    originals.push_back(std::move(*bytes));
  }
  if (!step(base::writeFileAtomically(out / "pack.bin", pack))) return ui::kExitRefused;
  fs::remove_all(out / "found", ec);
  fs::create_directories(out / "found", ec);
  orbisk::Orbisk finder(cli, out / "found");
  finder.fileName = (out / "pack.bin").string();
  finder.setOutputFolder(out / "found");
  if (finder.find() != ui::Outcome::Done || finder.resources().size() != packed.size()) {
    context.err << "demo: orbisk found " << finder.resources().size() << " bitmaps in pack.bin, not " << packed.size()
                << ". " << messages.str();
    return ui::kExitRefused;
  }
  std::vector<std::size_t> all(packed.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  auto saved = finder.save(all);
  for (std::size_t i = 0; i < packed.size(); ++i) {
    auto back = base::readFile(out / "found" / finder.resources()[i].name, 1 << 20);
    if (saved.outcome != ui::Outcome::Done || !back || *back != originals[i]) {
      context.err << "demo: orbisk's " << finder.resources()[i].name << " differs from " << packed[i].string() << ". "
                  << messages.str();
      return ui::kExitRefused;
    }
  }

  std::vector<Row> rows = {
      {"demo-out/frames/", sizeOf(out / "frames"), "sample frames 0000.bmp ... 0143.bmp and icon.bmp (brinkit samples frames)"},
      {"demo-out/fish.lib", sizeOf(out / "fish.lib"), "sample fish library (brinkit samples library)"},
      {"demo-out/sample.fsh", sizeOf(out / "sample.fsh"), "finwright's fish built from the library, icon and frames"},
      {"demo-out/cut/", sizeOf(out / "cut"), "finsplit's cut of sample.fsh: all 144 frames match the originals"},
      {"demo-out/bitmaps/", sizeOf(out / "bitmaps"), "sample plant, gravel and food pictures (brinkit samples bitmaps)"},
      {"demo-out/sample.plt", sizeOf(out / "sample.plt"), "fernwright's plant file"},
      {"demo-out/gritwright.grv", sizeOf(out / "gritwright.grv"), "gritwright's gravel file"},
      {"demo-out/gritpress.grv", sizeOf(out / "gritpress.grv"), "gritpress's gravel file, both bitmaps checked OK"},
      {"demo-out/pack.bin", sizeOf(out / "pack.bin"), "four frames and the icon between filler text"},
      {"demo-out/found/", sizeOf(out / "found"), "orbisk's bitmaps found in pack.bin and saved: all five match their sources"},
  };
  for (auto* tool : {demoNetkeeper, demoNetkeeper2, demoScalepaint, demoPelletry}) {
    auto more = tool(out);
    if (!more) {
      context.err << "demo: " << more.error().message << '\n';
      return ui::kExitRefused;
    }
    rows.insert(rows.end(), more->begin(), more->end());
  }
  std::size_t width = 0, sizeWidth = 0;
  for (const auto& row : rows) width = std::max(width, row.file.size()), sizeWidth = std::max(sizeWidth, row.size.size());
  for (const auto& row : rows)
    context.out << std::left << std::setw(static_cast<int>(width + 2)) << row.file << std::setw(static_cast<int>(sizeWidth + 2))
                << row.size << row.what << '\n';
  context.out << "Demo complete.\n";
  return ui::kExitDone;
}

}  // namespace

void addDemoCommand(CLI::App& app, ui::CommandContext& context) {
  auto* cmd = app.add_subcommand("demo", "Make the sample files in ./demo-out/, run the tools on them and check the results");
  cmd->callback([&context] { context.exitCode = runDemo(context); });
}

}  // namespace brinkit
