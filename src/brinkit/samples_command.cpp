#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "brinkit/commands.hpp"
#include "samples/bitmaps.hpp"
#include "samples/samples.hpp"
#include "samples/tank.hpp"
#include "samples/wtk.hpp"

namespace brinkit {

namespace {

void report(ui::CommandContext& context, const base::Result<void>& written, const std::string& what) {
  if (written) {
    context.out << what << '\n';
    context.exitCode = ui::kExitDone;
  } else {
    context.err << written.error().message << '\n';
    context.exitCode = ui::kExitRefused;
  }
}

}  // namespace

void addSamplesCommand(CLI::App& app, ui::CommandContext& context) {
  auto* cmd = app.add_subcommand("samples", "Write the sample inputs that the demo and the tests use (all drawn by brinkit)");
  cmd->require_subcommand(1);
  auto target = std::make_shared<std::string>();

  auto* frames = cmd->add_subcommand("frames", "144 frame bitmaps 0000.bmp ... 0143.bmp and an 83 x 83 icon.bmp");
  frames->add_option("DIR", *target, "Folder to write them to (made if missing)")->required();
  frames->callback([target, &context] {
    report(context, samples::writeFrames(base::pathFromUtf8(*target)), "Wrote 144 frames and icon.bmp to " + *target);
  });

  auto* library = cmd->add_subcommand("library", "A fish library with top.dat, back.dat and 001.dat ... 065.dat");
  library->add_option("FILE", *target, "The library file to write")->required();
  library->callback([target, &context] { report(context, samples::writeLibrary(base::pathFromUtf8(*target)), "Wrote the fish library " + *target); });

  auto* bitmaps = cmd->add_subcommand("bitmaps", "Plant, gravel and food inputs: plant icon, top and front views, description, gravel surface and aspect, food picture and eight food frames");
  bitmaps->add_option("DIR", *target, "Folder to write them to (made if missing)")->required();
  bitmaps->callback([target, &context] { report(context, samples::writeBitmaps(base::pathFromUtf8(*target)), "Wrote the sample bitmaps to " + *target); });

  auto* fish = cmd->add_subcommand("fish", "A fish file built from the sample library, icon and frames");
  fish->add_option("FILE", *target, "The fish file to write")->required();
  fish->callback([target, &context] { report(context, samples::writeFish(base::pathFromUtf8(*target)), "Wrote the sample fish " + *target); });

  auto* tank = cmd->add_subcommand("tank", "A saved tank with water, fish of several kinds, eggs and genes");
  tank->add_option("FILE", *target, "The tank file to write")->required();
  tank->callback([target, &context] { report(context, samples::writeTank(base::pathFromUtf8(*target)), "Wrote the sample tank " + *target); });

  auto* wtk = cmd->add_subcommand("wtk", "An extended-edition tank: males, females, eggs, kind names matched by prefix");
  wtk->add_option("FILE", *target, "The tank file (.wtk) to write")->required();
  wtk->callback([target, &context] { report(context, samples::writeWtk(base::pathFromUtf8(*target)), "Wrote the sample extended-edition tank " + *target); });
}

}  // namespace brinkit
