// The demo: makes the sample inputs, runs each tool on them, checks the results, and prints
// what it made.
#include <expected>
#include <filesystem>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>

#include "base/bmp.hpp"
#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
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
  const auto shown = (path.parent_path().filename() / path.filename()).generic_u8string();  // '/' on every system
  return {std::string(shown.begin(), shown.end()), demoSizeOf(path), what};
}

namespace {

// Every cut frame must hold the same palette indices as the frame it came from.
base::Result<void> compareFrames(const fs::path& originals, const fs::path& cut) {
  for (std::size_t n = 0; n < samples::kFrameCount; ++n) {
    const auto name = fishfile::frameName(n) + ".bmp";
    auto a = base::readFile(originals / base::pathFromUtf8(name), 1 << 20);
    auto b = base::readFile(cut / base::pathFromUtf8(name), 1 << 20);
    if (!a) return std::unexpected(a.error());
    if (!b) return std::unexpected(b.error());
    auto pa = base::read8BitPixels(*a);
    auto pb = base::read8BitPixels(*b);
    if (!pa || !pb || *pa != *pb) return base::fail("Frame " + name + " did not come back pixel for pixel.");
  }
  return {};
}

// What the demo's steps share: the folder they write in and the command-line Ui, whose
// messages so far a failed step prints.
struct DemoRun {
  fs::path out = "demo-out";
  std::ostringstream messages;
  ui::CliUi cli{messages};
  ui::CliUi replacing{messages, true};  // the demo replaces its own earlier files
};

// A step's rows, or what it prints after "demo: " when it fails, line end included.
using StepResult = std::expected<DemoRows, std::string>;

std::unexpected<std::string> failed(const base::Error& error) { return std::unexpected(error.message + '\n'); }

StepResult sampleInputs(DemoRun& run) {
  const fs::path& out = run.out;
  if (auto ok = samples::writeFrames(out / "frames"); !ok) return failed(ok.error());
  if (auto ok = samples::writeLibrary(out / "fish.lib"); !ok) return failed(ok.error());
  return DemoRows{
      {"demo-out/frames/", sizeOf(out / "frames"), "sample frames 0000.bmp ... 0143.bmp and icon.bmp (brinkit samples frames)"},
      {"demo-out/fish.lib", sizeOf(out / "fish.lib"), "sample fish library (brinkit samples library)"},
  };
}

StepResult finwrightFish(DemoRun& run) {
  const fs::path& out = run.out;
  finwright::Finwright builder(run.cli, out);
  const auto texts = samples::sampleFishTexts();
  builder.boxes = {std::to_string(samples::kSampleFishId), texts.name, texts.latin, texts.genre, texts.habitat, texts.description};
  builder.chooseIcon(out / "frames" / "icon.bmp");
  builder.setImageFolder(out / "frames");
  run.cli.answerDialog(finwright::kMakeFishTitle, out / "sample.fsh");
  if (builder.build().outcome != ui::Outcome::Done)
    return std::unexpected("finwright did not build the sample fish. " + run.messages.str());
  // The same inputs made in memory must give the same file, byte for byte.
  auto built = base::readFile(out / "sample.fsh", 1 << 22);
  auto expected = samples::sampleFish();
  if (!built || !expected || *built != *expected)
    return std::unexpected("finwright's sample fish differs from the one made in memory.\n");
  return DemoRows{{"demo-out/sample.fsh", sizeOf(out / "sample.fsh"), "finwright's fish built from the library, icon and frames"}};
}

StepResult finsplitCut(DemoRun& run) {
  const fs::path& out = run.out;
  std::error_code ec;
  fs::remove_all(out / "cut", ec);
  fs::create_directories(out / "cut", ec);
  run.cli.answerDialog(finsplit::kOpenTitle, out / "sample.fsh");
  finsplit::Finsplit finsplitTool(run.cli, out / "cut");
  auto cut = finsplitTool.cut();
  if (cut.outcome != ui::Outcome::Done || cut.written != samples::kFrameCount)
    return std::unexpected(base::strcat("finsplit cut ", cut.written, " frames, not 144. ", run.messages.str()));
  if (auto ok = compareFrames(out / "frames", out / "cut"); !ok) return failed(ok.error());
  return DemoRows{{"demo-out/cut/", sizeOf(out / "cut"), "finsplit's cut of sample.fsh: all 144 frames match the originals"}};
}

// Plant and gravel files from the sample bitmaps.
StepResult plantAndGravel(DemoRun& run) {
  const fs::path& out = run.out;
  const fs::path bitmaps = out / "bitmaps";
  if (auto ok = samples::writeBitmaps(bitmaps); !ok) return failed(ok.error());
  fernwright::Fernwright plant(run.replacing);
  plant.setPath(fernwright::kIcon, base::displayPath(bitmaps / "plant-icon.bmp"));
  plant.setPath(fernwright::kTop, base::displayPath(bitmaps / "plant-top.bmp"));
  plant.setPath(fernwright::kFront, base::displayPath(bitmaps / "plant-front.bmp"));
  plant.setPath(fernwright::kDescription, base::displayPath(bitmaps / "plant-description.txt"));
  run.replacing.answerDialog(fernwright::kSaveTitle, out / "sample.plt");
  gritwright::Gritwright surface(run.replacing, out);
  surface.setBitmap(gritwright::Side::Surface, bitmaps / "gravel-surface.bmp");
  surface.setBitmap(gritwright::Side::Aspect, bitmaps / "gravel-aspect.bmp");
  surface.boxes.output = base::displayPath(out / "gritwright.grv");
  gritpress::Gritpress press(run.replacing);
  press.chooseInput(gritpress::Side::Top, bitmaps / "gravel-surface.bmp");
  press.chooseInput(gritpress::Side::Side, bitmaps / "gravel-aspect.bmp");
  press.boxes.output = base::displayPath(out / "gritpress.grv");
  if (plant.create().outcome != ui::Outcome::Done || surface.make().outcome != ui::Outcome::Done ||
      press.output().outcome != ui::Outcome::Done)
    return std::unexpected("a plant or gravel file was not made. " + run.messages.str());
  return DemoRows{
      {"demo-out/bitmaps/", sizeOf(out / "bitmaps"), "sample plant, gravel and food pictures (brinkit samples bitmaps)"},
      {"demo-out/sample.plt", sizeOf(out / "sample.plt"), "fernwright's plant file"},
      {"demo-out/gritwright.grv", sizeOf(out / "gritwright.grv"), "gritwright's gravel file"},
      {"demo-out/gritpress.grv", sizeOf(out / "gritpress.grv"), "gritpress's gravel file, both bitmaps checked OK"},
  };
}

// orbisk: a pack of four frames and the icon between filler text; a bitmap scan must find
// exactly these five, and saving them must give back the same files.
StepResult orbiskPack(DemoRun& run) {
  const fs::path& out = run.out;
  const std::vector<fs::path> packed = {out / "frames" / "0000.bmp", out / "frames" / "0047.bmp", out / "frames" / "0095.bmp",
                                        out / "frames" / "0143.bmp", out / "frames" / "icon.bmp"};
  base::Bytes pack;
  std::vector<base::Bytes> originals;
  for (const auto& file : packed) {
    base::appendBytes(pack, base::asBytes("-- orbisk demo filler --\n"));
    auto bytes = base::readFile(file, 1 << 20);
    if (!bytes) return failed(bytes.error());
    base::appendBytes(pack, *bytes);
    originals.push_back(std::move(*bytes));
  }
  if (auto ok = base::writeFileAtomically(out / "pack.bin", pack); !ok) return failed(ok.error());
  std::error_code ec;
  fs::remove_all(out / "found", ec);
  fs::create_directories(out / "found", ec);
  orbisk::Orbisk finder(run.cli, out / "found");
  finder.fileName = base::displayPath(out / "pack.bin");
  finder.setOutputFolder(out / "found");
  if (finder.find() != ui::Outcome::Done || finder.resources().size() != packed.size())
    return std::unexpected(base::strcat("orbisk found ", finder.resources().size(), " bitmaps in pack.bin, not ", packed.size(),
                                        ". ", run.messages.str()));
  std::vector<std::size_t> all(packed.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  auto saved = finder.save(all);
  for (std::size_t i = 0; i < packed.size(); ++i) {
    auto back = base::readFile(out / "found" / base::pathFromUtf8(finder.resources()[i].name), 1 << 20);
    if (saved.outcome != ui::Outcome::Done || !back || *back != originals[i])
      return std::unexpected(base::strcat("orbisk's ", finder.resources()[i].name, " differs from ", base::displayPath(packed[i]), ". ",
                                          run.messages.str()));
  }
  return DemoRows{
      {"demo-out/pack.bin", sizeOf(out / "pack.bin"), "four frames and the icon between filler text"},
      {"demo-out/found/", sizeOf(out / "found"), "orbisk's bitmaps found in pack.bin and saved: all five match their sources"},
  };
}

// A newer tool's step, which needs only the folder.
template <base::Result<DemoRows> (*tool)(const fs::path&)>
StepResult toolStep(DemoRun& run) {
  auto rows = tool(run.out);
  if (!rows) return failed(rows.error());
  return std::move(*rows);
}

// The tour, one step a line, in the order the rows are printed.
constexpr StepResult (*kDemoSteps[])(DemoRun&) = {
    sampleInputs,           finwrightFish,           finsplitCut,
    plantAndGravel,         orbiskPack,              toolStep<demoNetkeeper>,
    toolStep<demoNetkeeper2>, toolStep<demoScalepaint>, toolStep<demoPelletry>,
};

// Makes the output folder; a dangling symbolic link gets the folder it names. Why it cannot,
// or nothing.
std::optional<std::string> makeOutFolder(const fs::path& out) {
  std::error_code ec;
  if (fs::is_directory(out, ec)) return std::nullopt;
  auto target = base::followLinks(out);
  if (!target) return target.error().message;
  const std::string named = *target == out ? base::displayPath(out)
                                           : base::strcat(base::displayPath(*target), " (where the link ", base::displayPath(out), " points)");
  if (fs::exists(fs::symlink_status(*target, ec))) return base::strcat(named, " is there but is not a folder.");
  fs::create_directories(*target, ec);
  if (ec) return base::strcat("cannot make the folder ", named, ": ", ec.message(), ".");
  return std::nullopt;
}

int runDemo(ui::CommandContext& context) {
  DemoRun run;
  if (auto why = makeOutFolder(run.out)) {
    context.err << "demo: " << *why << '\n';
    return ui::kExitRefused;
  }
  DemoRows rows;
  for (auto* step : kDemoSteps) {
    auto more = step(run);
    if (!more) {
      context.err << "demo: " << more.error();
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
