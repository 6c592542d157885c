#include "orbisk/command.hpp"

#include <cstdint>
#include <memory>
#include <ostream>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "base/user_folders.hpp"
#include "image/png_write.hpp"
#include "orbisk/bitmap_preview.hpp"
#include "orbisk/midi_render.hpp"
#include "orbisk/orbisk.hpp"
#include "orbisk/preview.hpp"
#include "orbisk/preview_text.hpp"
#include "orbisk/save.hpp"
#include "ui/cli_ui.hpp"
#include "ui/json.hpp"
#include "ui/language.hpp"
#include "ui/wrote.hpp"

namespace orbisk {

namespace {

struct Options {
  std::string file;
  std::string kind = "bitmap";
  bool json = false;
  std::string out = ".";
  std::vector<std::string> indexes;  // as typed: read by readIndex
  bool all = false;
  bool yes = false;
  std::optional<std::string> index;  // preview and render: one resource
  std::string png, wav, soundFont;
};

// An index as typed, read as a decimal number: the list's names are zero-padded ("0010"), so
// users type them so. A number past the largest index reads as the largest (out of range).
struct Index {
  std::string typed;
  std::size_t value = 0;
};

std::optional<Index> readIndex(const std::string& typed, std::ostream& err) {
  Index index{typed, 0};
  bool digits = !typed.empty();
  for (char c : typed) {
    if (c < '0' || c > '9') {
      digits = false;
      break;
    }
    const auto digit = static_cast<std::size_t>(c - '0');
    index.value = index.value > (SIZE_MAX - digit) / 10 ? SIZE_MAX : index.value * 10 + digit;
  }
  if (!digits) {
    err << "--index " << typed << " is not an index: give a whole number from 0, as `brinkit orbisk scan` lists them.\n";
    return std::nullopt;
  }
  return index;
}

void outOfRange(const std::string& typed, const std::filesystem::path& path, std::size_t count, std::ostream& err) {
  err << "--index " << typed << " is out of range: " << base::displayPath(path) << " holds " << count
      << " resources of this kind (indexes from 0).\n";
}

Kind kindOf(const std::string& word) {
  if (word == "wave") return Kind::Wave;
  if (word == "midi") return Kind::Midi;
  return Kind::Bitmap;
}

int runScan(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Orbisk tool(cli, std::filesystem::current_path());
  tool.fileName = options.file;
  tool.kind = kindOf(options.kind);
  auto path = tool.beginFind();
  if (!path) return ui::kExitRefused;
  auto result = scanFile(*path, tool.kind);
  if (!result) return tool.finishFind(*path, result) == ui::Outcome::Done ? ui::kExitDone : ui::kExitRefused;
  // The list first, then the report, as the window shows them.
  tool.finishFind(*path, result, false);
  if (options.json) {
    context.out << "[";
    const auto& resources = tool.resources();
    for (std::size_t i = 0; i < resources.size(); ++i) {
      const auto& r = resources[i];
      context.out << (i == 0 ? "\n" : ",\n") << "  {\"name\": " << ui::jsonString(r.name) << ", \"start\": " << r.start
                  << ", \"end\": " << r.end() << ", \"size\": " << r.size << ", \"kind\": \"" << kindWord(r.kind)
                  << "\"}";
    }
    context.out << (resources.empty() ? "]\n" : "\n]\n");
  } else {
    for (const auto& line : tool.listLines()) context.out << line << '\n';
  }
  context.err << ui::translated(foundMessage(tool.resources().size())) << '\n';
  return ui::kExitDone;
}

int runSave(const Options& options, ui::CommandContext& context) {
  if (!options.all && options.indexes.empty()) {
    context.err << "Give --index N... or --all to choose the resources to save.\n";
    return ui::kExitUsage;
  }
  std::vector<Index> typed;
  for (const auto& text : options.indexes) {
    auto index = readIndex(text, context.err);
    if (!index) return ui::kExitUsage;
    typed.push_back(*index);
  }
  ui::CliUi cli(context.err, options.yes);
  Orbisk tool(cli, std::filesystem::current_path());
  tool.fileName = options.file;
  tool.kind = kindOf(options.kind);
  tool.setOutputFolder(base::pathFromUtf8(options.out));
  auto path = tool.beginFind();
  if (!path) return ui::kExitRefused;
  if (tool.finishFind(*path, scanFile(*path, tool.kind), false) != ui::Outcome::Done) return ui::kExitRefused;
  std::vector<std::size_t> selected;
  for (const auto& index : typed) {
    if (index.value >= tool.resources().size()) {
      outOfRange(index.typed, *path, tool.resources().size(), context.err);
      return ui::kExitUsage;
    }
    selected.push_back(index.value);
  }
  if (options.all)
    for (std::size_t i = 0; i < tool.resources().size(); ++i) selected.push_back(i);
  auto report = tool.save(selected);
  for (const auto& file : report.written) {
    std::error_code ec;
    context.out << ui::wroteText(base::displayPath(file), std::filesystem::file_size(file, ec)) << '\n';
  }
  for (const auto& file : report.skipped)
    context.err << "Skipped " << base::displayPath(file) << ": it already exists (give --yes to replace it).\n";
  if (report.outcome != ui::Outcome::Done || !report.skipped.empty()) return ui::kExitRefused;
  return ui::kExitDone;
}

// Scans options.file for `kind` and reads options.index into `chosen`; the tool keeps the
// list. Returns the exit code when the verb must end here.
std::optional<int> scanForOne(const Options& options, Kind kind, const char* what, Orbisk& tool, std::size_t& chosen,
                              ui::CommandContext& context) {
  if (!options.index) {
    context.err << "Give --index N to choose the " << what << " (indexes from 0, as `brinkit orbisk scan` lists them).\n";
    return ui::kExitUsage;
  }
  const auto index = readIndex(*options.index, context.err);
  if (!index) return ui::kExitUsage;
  tool.fileName = options.file;
  tool.kind = kind;
  auto path = tool.beginFind();
  if (!path) return ui::kExitRefused;
  if (tool.finishFind(*path, scanFile(*path, kind), false) != ui::Outcome::Done) return ui::kExitRefused;
  if (index->value >= tool.resources().size()) {
    outOfRange(index->typed, *path, tool.resources().size(), context.err);
    return ui::kExitUsage;
  }
  chosen = index->value;
  return std::nullopt;
}

// "samp0002.BMP" with another extension: the default output name.
std::string renamed(const std::string& name, const char* extension) {
  return base::displayPath(base::pathFromUtf8(name).replace_extension(extension));
}

int runPreview(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Orbisk tool(cli, std::filesystem::current_path());
  std::size_t chosen = 0;
  if (auto code = scanForOne(options, Kind::Bitmap, "bitmap to preview", tool, chosen, context)) return *code;
  PreviewFolder folder;  // bitmaps never use it
  Preview preview(tool, folder, {});
  auto shown = preview.show(chosen);
  base::Result<image::Picture> picture = shown ? decodeListedBitmap(shown->bitmap) : std::unexpected(shown.error());
  base::Result<base::Bytes> png = picture ? image::pngBytes(*picture) : std::unexpected(picture.error());
  if (!png) {
    context.err << ui::translated(kPreviewFailed) << '\n' << png.error().message << '\n';
    return ui::kExitRefused;
  }
  const std::filesystem::path out = base::pathFromUtf8(options.png.empty() ? renamed(tool.resources()[chosen].name, ".png") : options.png);
  if (auto written = base::writeFileAtomically(out, *png); !written) {
    context.err << written.error().message << '\n';
    return ui::kExitRefused;
  }
  context.out << "Wrote " << base::displayPath(out) << " (" << picture->width << " x " << picture->height << " pixels, "
              << base::withThousands(png->size()) << " bytes)\n";
  return ui::kExitDone;
}

int runRender(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Orbisk tool(cli, std::filesystem::current_path());
  std::size_t chosen = 0;
  if (auto code = scanForOne(options, Kind::Midi, "MIDI file to render", tool, chosen, context)) return *code;
  const Resource& resource = tool.resources()[chosen];
  std::filesystem::path soundFont = base::pathFromUtf8(options.soundFont);
  if (soundFont.empty()) {
    const auto folders = soundFontFolders(base::programFolder());
    auto found = findSoundFont(folders);
    if (!found) {
      context.err << noSoundFontMessage(folders, "give one with --soundfont FILE") << '\n';
      return ui::kExitRefused;
    }
    soundFont = *found;
  }
  auto midi = readResource(tool.scannedFile(), resource, kMaxPreviewMidi, tool.scannedStamp());
  const std::filesystem::path out = base::pathFromUtf8(options.wav.empty() ? renamed(resource.name, ".wav") : options.wav);
  auto rendered = midi ? renderMidi(*midi, soundFont, out) : std::unexpected(midi.error());
  if (!rendered) {
    context.err << "Cannot render " << resource.name << ": " << rendered.error().message << '\n';
    return ui::kExitRefused;
  }
  context.out << "Wrote " << base::displayPath(out) << " (" << ui::translated(midiPositionText(rendered->lengthMs)) << ", "
              << wavePositionText(rendered->lengthMs) << " s, " << base::withThousands(rendered->frames)
              << " frames of 16-bit stereo at " << kRenderRate << " Hz, with " << base::displayPath(soundFont) << ")\n";
  if (rendered->tracksCutShort != 0)
    context.err << resource.name << " is cut short: its last track was left out of the sound.\n";
  if (rendered->silent()) context.err << "The rendered sound is silent.\n";
  return ui::kExitDone;
}

void addKind(CLI::App* cmd, Options& options) {
  cmd->add_option("--kind", options.kind, "The kind of resource to look for")
      ->check(CLI::IsMember({"bitmap", "wave", "midi"}))
      ->capture_default_str();
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto* orbisk = app.add_subcommand("orbisk", "Find, list, save and preview the bitmaps, wave sounds or MIDI files inside any file");
  orbisk->require_subcommand(1);

  auto scan = std::make_shared<Options>();
  auto* scanCmd = orbisk->add_subcommand("scan", "List the resources of one kind found in FILE");
  scanCmd->add_option("FILE", scan->file, "The file to search")->required();
  addKind(scanCmd, *scan);
  scanCmd->add_flag("--json", scan->json, "Print the records as JSON (name, start, end, size, kind)");
  scanCmd->callback([scan, &context] { context.exitCode = runScan(*scan, context); });

  auto save = std::make_shared<Options>();
  auto* saveCmd = orbisk->add_subcommand("save", "Save resources found in FILE as separate files, named as listed");
  saveCmd->add_option("FILE", save->file, "The file to search")->required();
  addKind(saveCmd, *save);
  saveCmd->add_option("--out", save->out, "The folder to save into (must exist)")->capture_default_str();
  auto* index = saveCmd->add_option("--index", save->indexes, "Indexes of the resources as listed, from 0");
  auto* all = saveCmd->add_flag("--all", save->all, "Save every resource found");
  index->excludes(all);
  saveCmd->add_flag("--yes", save->yes, "Replace existing files without asking");
  saveCmd->callback([save, &context] { context.exitCode = runSave(*save, context); });

  auto preview = std::make_shared<Options>();
  auto* previewCmd = orbisk->add_subcommand(
      "preview", "Decode a bitmap found in FILE (run-length compressed ones too) and write it as PNG");
  previewCmd->add_option("FILE", preview->file, "The file to search for bitmaps")->required();
  previewCmd->add_option("--index", preview->index,
                         "Index of the bitmap as `brinkit orbisk scan FILE` lists it, from 0 (as `save --index`)");
  previewCmd->add_option("--png", preview->png, "The PNG file to write, replaced if it exists (default: the bitmap's name with .png)");
  previewCmd->callback([preview, &context] { context.exitCode = runPreview(*preview, context); });

  auto render = std::make_shared<Options>();
  render->kind = "midi";
  auto* renderCmd = orbisk->add_subcommand(
      "render", "Render a MIDI file found in FILE to a wave file through the synthesiser the window plays it with");
  renderCmd->add_option("FILE", render->file, "The file to search for MIDI files")->required();
  renderCmd->add_option("--kind", render->kind, "The kind of resource to render")
      ->check(CLI::IsMember({"midi"}))
      ->capture_default_str();
  renderCmd->add_option("--index", render->index,
                        "Index of the MIDI file as `brinkit orbisk scan FILE --kind midi` lists it, from 0 (as `save --index`)");
  renderCmd->add_option("--wav", render->wav,
                        "The wave file to write, replaced if it exists: 16-bit stereo, 44,100 Hz (default: the MIDI file's name with .wav)");
  renderCmd->add_option("--soundfont", render->soundFont,
                        "The General MIDI SoundFont (.sf2) to use (default: the first found in sounds/sf2 or soundfonts "
                        "in the system's data folders, /usr/local/share and /usr/share unless XDG_DATA_DIRS names others, "
                        "then beside brinkit)");
  renderCmd->callback([render, &context] { context.exitCode = runRender(*render, context); });
}

}  // namespace orbisk
