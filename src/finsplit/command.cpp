#include "finsplit/command.hpp"

#include <filesystem>
#include <ostream>
#include <utility>
#include <vector>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "finsplit/finsplit.hpp"
#include "finsplit/sheet.hpp"
#include "fishfile/fish_file.hpp"
#include "image/png_write.hpp"
#include "ui/cli_ui.hpp"
#include "ui/wrote.hpp"

namespace finsplit {

namespace {

namespace fs = std::filesystem;

struct Options {
  std::string fish;
  std::string out = ".";
  bool yes = false;
  std::string sheet, gif;
  long long animation = 0;
  int delayMs = 100;
};

int refuse(ui::CommandContext& context, const std::string& message) {
  context.err << message << '\n';
  return ui::kExitRefused;
}

// --sheet and --gif: the frames decoded and shown in pictures, nothing cut. Every check and
// every picture comes before the first file is written.
int writePictures(const Options& options, ui::CommandContext& context) {
  if (options.fish.empty()) return refuse(context, "No fish file given, so there are no frames to show.");
  const fs::path fish = options.fish;
  auto data = base::readFile(fish, fishfile::kMaxFishFileSize);
  if (!data) return refuse(context, data.error().message);
  auto animations = decodeAnimations(*data);
  if (!animations)
    return refuse(context, base::strcat("Cannot show the frames of ", base::displayPath(fish), ": ", animations.error().message));
  if (animations->empty()) return refuse(context, base::strcat("No animation sets found in ", base::displayPath(fish), "."));
  const std::size_t count = animations->size();
  if (!options.gif.empty() && (options.animation < 0 || static_cast<unsigned long long>(options.animation) >= count))
    return refuse(context, base::strcat("There is no animation ", options.animation, ": ", base::displayPath(fish), " holds ", count,
                                        count == 1 ? " animation, numbered 0." : base::strcat(" animations, numbered 0 to ", count - 1, ".")));
  if (!options.sheet.empty() && !options.gif.empty() &&
      fs::absolute(options.sheet).lexically_normal() == fs::absolute(options.gif).lexically_normal())
    return refuse(context, "Nothing written: --sheet and --gif name the same file.");

  std::vector<std::pair<fs::path, base::Bytes>> files;
  if (!options.sheet.empty()) {
    auto sheet = spriteSheet(*animations);
    if (!sheet) return refuse(context, sheet.error().message);
    auto png = image::pngBytes(*sheet);
    if (!png) return refuse(context, png.error().message);
    files.emplace_back(options.sheet, std::move(*png));
  }
  if (!options.gif.empty()) {
    auto gif = animationGif((*animations)[static_cast<std::size_t>(options.animation)], (options.delayMs + 5) / 10);
    if (!gif) return refuse(context, gif.error().message);
    files.emplace_back(options.gif, std::move(*gif));
  }
  std::error_code ec;
  if (!options.yes)
    for (const auto& [path, bytes] : files)
      if (fs::exists(path, ec)) return refuse(context, "Nothing written: the output file exists; give --yes to replace it.");
  for (const auto& [path, bytes] : files) {
    if (auto written = base::writeFileAtomically(path, bytes); !written) return refuse(context, written.error().message);
    context.out << ui::wroteText(base::displayPath(path), bytes.size()) << '\n';
  }
  return ui::kExitDone;
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("finsplit", "Cut a fish file into its frame bitmaps 0000.bmp, 0001.bmp, ...");
  cmd->add_option("FISH", options->fish, "The fish file to cut (.fsh); leaving it out is a cancelled OPEN dialog");
  cmd->add_option("--out", options->out, "The save folder the bitmaps are written to")->capture_default_str();
  cmd->add_flag("--yes", options->yes, "Replace frame files of an earlier cut in the save folder, or the --sheet and --gif files, instead of refusing");
  cmd->add_option("--sheet", options->sheet,
                  "Write a sprite sheet (PNG) instead of cutting: one row per animation, one column per frame, every cell "
                  "as large as the largest frame with the frame at its top-left corner, transparent where index 0 and in "
                  "unused cell space")
      ->type_name("PNG");
  auto* gif = cmd->add_option("--gif", options->gif,
                              "Write one animation as a GIF that loops forever instead of cutting; index 0 is transparent")
                 ->type_name("GIF");
  cmd->add_option("--animation", options->animation,
                  "The animation --gif plays, counted from 0 (animation N of a built fish is frames 8N to 8N+7)")
      ->type_name("N")
      ->capture_default_str()
      ->needs(gif);
  cmd->add_option("--delay", options->delayMs, "How long --gif shows each frame, in milliseconds (kept in hundredths of a second)")
      ->type_name("MS")
      ->capture_default_str()
      ->check(CLI::Range(20, 655350))
      ->needs(gif);
  cmd->footer("With --sheet or --gif no frame is cut and --out is not used; their files are named from the current folder, "
              "and an existing one is replaced only with --yes.");
  cmd->callback([options, &context] {
    if (!options->sheet.empty() || !options->gif.empty()) {
      context.exitCode = writePictures(*options, context);
      return;
    }
    ui::CliUi cli(context.err, options->yes);
    if (!options->fish.empty()) cli.answerDialog(kOpenTitle, options->fish);
    Finsplit tool(cli, options->out);
    auto result = tool.cut();
    switch (result.outcome) {
      case ui::Outcome::Done:
        context.out << result.written << (result.written == 1 ? " bitmap" : " bitmaps") << " written to "
                    << base::displayPath(tool.saveFolder()) << '\n';
        context.exitCode = ui::kExitDone;
        break;
      case ui::Outcome::Cancelled:
        if (result.existing > 0) context.err << "Nothing written: the frame files exist; give --yes to replace them.\n";
        else context.err << "No fish file given: the OPEN dialog was left without a file, so nothing was cut.\n";
        context.exitCode = ui::kExitRefused;
        break;
      case ui::Outcome::Refused:
        context.exitCode = ui::kExitRefused;
        break;
    }
  });
}

}  // namespace finsplit
