#include "gritpress/gritpress.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "base/decimal.hpp"
#include "base/file_io.hpp"
#include "base/reader.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "gravelfile/gravelfile.hpp"
#include "ui/file_state.hpp"

namespace gritpress {

namespace fs = std::filesystem;

namespace {

// The bitmap fields the check reads, in this order: width, height, planes, bits per pixel and
// compression, from byte 18 through byte 33.
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kCheckedBytes = 34;  // through the compression field
constexpr double kPixelsPerCentimetre = 28.34645669;  // 72 per inch

// "10.0": tenths, rounded.
std::string centimetres(std::uint32_t pixels) {
  const auto tenths = static_cast<std::uint64_t>(std::llround(pixels * 10.0 / kPixelsPerCentimetre));
  return base::strcat(tenths / 10, ".", tenths % 10);
}

bool isFolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// Which class of file-system failure explains that `path` could not be read: its folder is
// missing (Path error), the file itself is missing or is a folder (FileName error), or it
// cannot be opened though it is there (FileMode error).
const char* readFailureClass(const fs::path& path) {
  const fs::path folder = path.parent_path();
  if (!folder.empty() && !isFolder(folder)) return kPathError;
  const auto state = ui::fileState(path);
  if (state == ui::FileState::Missing || state == ui::FileState::Folder) return kFileNameError;
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return kFileNameError;  // a pipe or a device: opening it could wait for ever
  if (!std::ifstream(path, std::ios::binary)) return kFileModeError;
  return kOtherError;
}

// The same for writing the output: a missing folder, a name that is a folder, or a folder or
// file that may not be written.
const char* writeFailureClass(const fs::path& path) {
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  if (!isFolder(folder)) return kPathError;
  if (isFolder(path)) return kFileNameError;
  std::error_code ec;
  const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  const auto folderPerms = fs::status(folder, ec).permissions();
  if (!ec && (folderPerms & writable) == fs::perms::none) return kFileModeError;
  if (ui::fileState(path) == ui::FileState::ReadOnly) return kFileModeError;
  return kOtherError;
}

bool endsWithGrv(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".grv";
}

}  // namespace

std::string_view sideName(Side side) { return side == Side::Top ? "上面" : "側面"; }

BitmapCheck checkBitmap(base::ByteSpan file) {
  BitmapCheck check;
  check.fileLength = file.size();
  auto refuse = [&](const char* text, std::string detail = {}) {
    check.refusal = text;
    check.detail = std::move(detail);
    return check;
  };
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return refuse(kNotBmp, "The file does not start with \"BM\".");
  if (file.size() < kCheckedBytes)
    return refuse(kNotBmp, base::strcat("The file is ", file.size(), " bytes long, too short for a bitmap's headers."));
  base::Reader header(file, kWidthAt);
  const auto width = header.u32(), rawHeight = header.u32();
  const auto planes = header.u16(), bits = header.u16();
  const auto compression = header.u32();
  if (!width || !rawHeight || !planes || !bits || !compression)
    return refuse(kNotBmp, base::strcat("The file is ", file.size(), " bytes long, too short for a bitmap's headers."));
  check.width = *width;
  const auto height = static_cast<std::int32_t>(*rawHeight);
  // A top-down bitmap stores its height negative.
  check.height = height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
  if (*planes != 1) return refuse(kNotOnePlane, base::strcat("The bitmap has ", *planes, " planes."));
  if (*bits != 8) return refuse(kNot256, base::strcat("The bitmap has ", *bits, " bits per pixel; 256 colours take 8."));
  if (*compression != 0)
    return refuse(kCompressed, base::strcat("The bitmap's compression is ", *compression, "; only 0 (none) is taken."));
  check.ok = true;
  return check;
}

std::string sizeDisplay(const BitmapCheck& check) {
  return base::strcat("W/H=", check.width, "/", check.height, " pixels=", centimetres(check.width), "/",
                      centimetres(check.height), "cm Size=", check.fileLength, "bytes");
}

std::optional<double> wholeNumber(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  std::string_view body = text;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
  std::size_t digits = 0, points = 0;
  for (char c : body) {
    if (c >= '0' && c <= '9') ++digits;
    else if (c == '.') ++points;
    else return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  // from_chars takes no '+' and reads without the locale.
  std::string plain(body);
  if (plain.front() == '.') plain.insert(plain.begin(), '0');
  const double value = base::decimalValue(plain);
  return !text.empty() && text.front() == '-' ? -value : value;
}

std::string Input::result() const {
  if (!check) return {};
  return check->ok ? "OK" : "NG";
}

std::string Input::display() const { return ok() ? sizeDisplay(*check) : kNoSize; }

std::string overwriteChoice(const std::string& path) {
  return base::strcat(path, " は既にあります。\n", kOverwrite, ": このファイルを置き換えます\n", kNewFile,
                      ": 別の名前で出力します");
}

void Gritpress::tell(std::string_view text, std::string detail) {
  ui_.message(text, {kCaption, std::move(detail)});
}

ui::Outcome Gritpress::browseInput(Side side) {
  auto file = ui_.openFile({base::strcat(sideName(side), "ファイル"), kBitmapFilter, {}, {}});
  if (!file) return ui::Outcome::Cancelled;
  return chooseInput(side, *file);
}

ui::Outcome Gritpress::chooseInput(Side side, const fs::path& file) {
  Input& input = inputs_[static_cast<std::size_t>(side)];
  input.path = base::displayPath(file);
  auto data = base::readFile(file, kMaxBitmapBytes);
  if (!data) {
    BitmapCheck failed;
    failed.refusal = base::strcat(kErrorCheck, readFailureClass(file));
    failed.detail = data.error().message;
    input.check = failed;
    tell(failed.refusal, failed.detail);
    return ui::Outcome::Refused;
  }
  input.check = checkBitmap(*data);
  if (input.check->ok) return ui::Outcome::Done;
  tell(input.check->refusal, input.check->detail);
  return ui::Outcome::Refused;
}

ui::Outcome Gritpress::browseOutput() {
  const fs::path current = base::pathFromUtf8(boxes.output);
  auto file = ui_.saveFile({kOutputTitle, kGravelFilter, current.parent_path(), base::displayPath(current.filename())});
  if (!file) return ui::Outcome::Cancelled;
  boxes.output = base::displayPath(*file);
  return ui::Outcome::Done;
}

std::optional<fs::path> Gritpress::acceptedOutput(ui::Outcome& why) {
  why = ui::Outcome::Refused;
  for (;;) {
    const fs::path path = base::pathFromUtf8(boxes.output);
    const std::string name = base::displayPath(path.filename());
    const bool blank = boxes.output.find_first_not_of(" \t") == std::string::npos;
    if (blank || name.empty() || name == "." || name == ".." || (endsWithGrv(name) && name.size() == 4)) {
      tell(kOutputInvalid, kNameShort);
      return std::nullopt;
    }
    const fs::path folder = path.parent_path();
    if (!folder.empty() && !isFolder(folder)) {
      tell(kOutputInvalid, base::strcat(kPathError, ": the folder ", base::displayPath(folder), " does not exist."));
      return std::nullopt;
    }
    const auto state = ui::fileState(path);
    if (state == ui::FileState::Folder) {
      tell(kOutputInvalid, base::strcat(kFileNameError, ": ", base::displayPath(path), " is a folder."));
      return std::nullopt;
    }
    if (state == ui::FileState::Missing) return path;
    switch (ui_.ask(overwriteChoice(base::displayPath(path)), ui::Buttons::YesNoCancel)) {
      case ui::Answer::Yes:
        return path;
      case ui::Answer::Cancel:
        why = ui::Outcome::Cancelled;
        return std::nullopt;
      case ui::Answer::No:
        if (browseOutput() != ui::Outcome::Done) {
          why = ui::Outcome::Cancelled;
          return std::nullopt;
        }
        break;  // the new name goes through the same checks
    }
  }
}

std::optional<base::Bytes> Gritpress::rereadInput(Side side) {
  Input& input = inputs_[static_cast<std::size_t>(side)];
  const fs::path file = base::pathFromUtf8(input.path);
  auto data = base::readFile(file, kMaxBitmapBytes);
  if (!data) {
    tell(base::strcat(side == Side::Top ? kErrorGetFile1 : kErrorGetFile2, readFailureClass(file)), data.error().message);
    return std::nullopt;
  }
  // The file may have changed since it was checked: what is written must pass the check too.
  input.check = checkBitmap(*data);
  if (!input.check->ok) {
    tell(side == Side::Top ? kTopInvalid : kSideInvalid,
         base::strcat(input.check->refusal, ": ", base::displayPath(file), " changed since it was chosen."));
    return std::nullopt;
  }
  return std::move(*data);
}

OutputResult Gritpress::output() {
  const OutputResult refused{ui::Outcome::Refused, {}, 0};
  const auto height = wholeNumber(boxes.height);
  if (!height) return tell(kHeightNotNumber), refused;
  const auto depth = wholeNumber(boxes.depth);
  if (!depth) return tell(kDepthNotNumber), refused;
  if (*height < 0 || *depth < 0) return tell(kNegative), refused;
  // Halves go to the even neighbour (the default rounding mode).
  if (std::nearbyint(*height) > kMaxDimension) return tell(kHeightTooLarge), refused;
  if (std::nearbyint(*depth) > kMaxDimension) return tell(kDepthTooLarge), refused;
  for (Side side : kSides) {
    const Input& in = input(side);
    if (in.ok()) continue;
    std::string why = in.path.empty()      ? std::string("No file has been chosen.")
                      : in.check           ? in.check->refusal
                                           : std::string();
    tell(side == Side::Top ? kTopInvalid : kSideInvalid, std::move(why));
    return refused;
  }
  ui::Outcome why = ui::Outcome::Refused;
  const auto path = acceptedOutput(why);
  if (!path) return {why, {}, 0};

  ui::BusyPointer busy(ui_);
  auto top = rereadInput(Side::Top);
  if (!top) return refused;
  auto side = rereadInput(Side::Side);
  if (!side) return refused;
  auto file = gravelfile::buildGravelFile(*top, *side, gravelfile::clampDimension(*height),
                                          gravelfile::clampDimension(*depth), gravelfile::kVersion2HeaderText);
  if (!file) return tell(base::strcat(kErrorPutFile, kOtherError), file.error().message), refused;
  if (auto written = base::writeFileAtomically(*path, *file); !written)
    return tell(base::strcat(kErrorPutFile, writeFailureClass(*path)), written.error().message), refused;
  tell(kDone);
  return {ui::Outcome::Done, *path, file->size()};
}

}  // namespace gritpress
