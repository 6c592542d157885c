#include "inspect/inspect.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "base/bmp.hpp"
#include "base/reader.hpp"
#include "base/strcat.hpp"
#include "base/zero_extended.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_info.hpp"
#include "fishfile/fish_library.hpp"
#include "fishfile/run_stream.hpp"
#include "foodfile/foodfile.hpp"
#include "gravelfile/gravelfile.hpp"
#include "plantfile/plantfile.hpp"
#include "palettefile/palettefile.hpp"
#include "resfile/resfile.hpp"
#include "tankfile/records.hpp"
#include "wtkfile/records.hpp"

namespace inspect {

namespace {

using base::ByteSpan;
using base::strcat;
using I = std::int64_t;

// What a resource container's map says, read once for recognising and reporting.
struct Resource {
  resfile::Reference ref;
  std::size_t entryAt = 0;             // the reference entry, absolute
  std::optional<std::string> name;
  std::optional<ByteSpan> data;        // none when it does not lie in the file
  std::size_t countAt = 0;             // its byte count, absolute
  std::string error;
};

struct Map {
  std::vector<Resource> resources;
  std::vector<std::size_t> typeEntryAt;  // per type, the type entry's absolute offset
};

// The map, when the file is a resource container: data area at 256, the map inside the file
// after it, and every type and reference entry inside the file.
std::optional<Map> readMap(ByteSpan file, std::string* why = nullptr) {
  if (file.size() < resfile::kHeaderSize + resfile::kMapTypeListOffset) {
    if (why) *why = "shorter than a header and a map";
    return std::nullopt;
  }
  if (base::readU32(file, 0).value_or(0) != resfile::kHeaderSize) {
    if (why) *why = "no data-area offset 256 at offset 0";
    return std::nullopt;
  }
  const std::size_t M = resfile::mapOffset(file);
  if (M < resfile::kHeaderSize || M >= file.size()) {
    if (why) *why = "its map offset lies outside the file";
    return std::nullopt;
  }
  auto refs = resfile::readReferences(file);
  if (!refs) {
    if (why) {
      *why = refs.error().message;
      if (why->ends_with('.')) why->pop_back();
    }
    return std::nullopt;
  }
  Map map;
  const base::ZeroExtended z(file);
  const std::size_t types = std::size_t{z.u16(static_cast<I>(M + 28))} + 1;
  for (std::size_t t = 0; t < types; ++t) map.typeEntryAt.push_back(M + resfile::kMapTypeListOffset + resfile::kTypeEntrySize * t);
  // The entries' places, walked as readReferences walks them.
  std::size_t index = 0;
  for (std::size_t t = 0; t < types; ++t) {
    const std::size_t at = map.typeEntryAt[t];
    const std::size_t count = std::size_t{z.u16(static_cast<I>(at + 4))} + 1;
    const std::size_t first = z.u16(static_cast<I>(at + 6));
    for (std::size_t r = 0; r < count && index < refs->size(); ++r, ++index) {
      Resource res;
      res.ref = (*refs)[index];
      res.entryAt = M + resfile::kMapTypeListOffset + first + resfile::kReferenceEntrySize * r;
      res.countAt = std::size_t{res.ref.dataOffset} + resfile::kHeaderSize;
      if (auto name = resfile::referenceName(file, res.ref)) res.name = *name;
      else res.error = name.error().message;
      if (auto data = resfile::resourceData(file, res.ref.dataOffset)) res.data = *data;
      else res.error = data.error().message;
      map.resources.push_back(std::move(res));
    }
  }
  return map;
}

bool hasType(const Map& map, std::string_view code) {
  return std::any_of(map.resources.begin(), map.resources.end(), [&](const Resource& r) { return r.ref.type.text() == code; });
}

// One info block and one to four animation sets: the game's archive, which holds many fish,
// has more of both.
bool isFish(ByteSpan file, const Map& map) {
  std::size_t info = 0, sets = 0;
  for (const auto& r : map.resources) {
    if (!r.data) continue;
    info += r.data->size() == fishfile::kInfoBlockSize;
    sets += fishfile::looksLikeAnimationSet(file, r.countAt + 4, static_cast<std::uint32_t>(r.data->size()));
  }
  return info == 1 && sets >= 1 && sets <= 4;
}

// The file as netkeeper holds it, made once (a copy of up to 10 MB) for recognising and reporting.
const tankfile::TankImage* tankImage(ByteSpan file, std::optional<tankfile::TankImage>& held) {
  if (!held && file.size() <= tankfile::kImageLimit)
    if (auto image = tankfile::TankImage::fromBytes(base::Bytes(file.begin(), file.end()))) held = std::move(*image);
  return held ? &*held : nullptr;
}

// A tank as netkeeper takes it: a water block that passes its version test, or (unless the file
// is a resource container, as the game's archive holding fish records is) a first fish record.
bool looksLikeTank(ByteSpan file, std::optional<tankfile::TankImage>& held, bool container) {
  const auto* image = tankImage(file, held);
  if (!image) return false;
  if (auto w = tankfile::findWaterBlock(*image); w && tankfile::acceptsWaterEditing(tankfile::waterValues(*image, *w))) return true;
  return !container && tankfile::findFirstFishRecord(*image).has_value();
}

bool looksLikePalette(ByteSpan file) {
  if (file.size() > palettefile::kMaxPaletteFileSize) return false;
  return palettefile::parsePaletteFile(file).has_value();
}

constexpr std::string_view kLookedFor =
    "a resource container (256 at offset 0, a resource map inside the file), a fish library (\"Fish\" at offset 0 "
    "and an entry list inside the file), an extended-edition tank (80 3F .. 00 00 00 01 and a kind name from "
    "offset 500), a tank (a water block 3C 00 00 00 in the first 5000 bytes or a fish record D0 01 00 00) "
    "and a palette file (256 lines of whole numbers)";

Kind recogniseWith(ByteSpan file, const std::optional<Map>& map, std::string& reason, std::optional<tankfile::TankImage>& held) {
  if (map) {
    if (hasType(*map, "Fd_H")) return reason = "its resource types Fd_H, Fd_I …", Kind::Food;
    if (hasType(*map, "PlTI")) return reason = "its resource types PlTI, PlPI …", Kind::Plant;
    if (hasType(*map, "Grvl")) return reason = "its resource types Grvl, BADP, BAPC", Kind::Gravel;
    if (isFish(file, *map)) return reason = "a 1128-byte info block and animation sets in its resources", Kind::Fish;
    if (looksLikeTank(file, held, true)) return reason = "a water block among its resources (3C 00 00 00, a temperature of 15-40 degrees)", Kind::Tank;
    return reason = "its header and resource map", Kind::Container;
  }
  if (file.size() >= 4 && std::memcmp(file.data(), "Fish", 4) == 0 && fishfile::readFishLibrary(file))
    return reason = "\"Fish\" at offset 0 and its entry list", Kind::FishLibrary;
  if (file.size() <= wtkfile::kMaxTankSize && wtkfile::findFirstRecord(file))
    return reason = "a fish record 80 3F .. 00 00 00 01 with a known kind name", Kind::ExtendedTank;
  if (looksLikeTank(file, held, false))
    return reason = "a water block or fish record (without a resource map)", Kind::Tank;
  if (looksLikePalette(file)) return reason = "256 lines of whole numbers", Kind::Palette;
  // A container whose map is damaged or cut off is still one: its header is reported.
  if (file.size() >= 16 && base::readU32(file, 0).value_or(0) == resfile::kHeaderSize)
    return reason = "256 at offset 0 (its resource map could not be read)", Kind::Container;
  reason = kLookedFor;
  return Kind::None;
}

// Building the report.

// ASCII reads the same in both code pages; only other texts go through the converter, which is
// slow to open (thousands of names in an archive).
std::string shownText(std::string_view bytes, base::CodePage page) {
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) return std::string(bytes);
  return base::fromCodePageForShowing(bytes, page);
}

std::string bytesText(ByteSpan data, std::size_t at, std::size_t count) {
  if (at >= data.size()) return {};
  count = std::min(count, data.size() - at);
  return std::string(reinterpret_cast<const char*>(data.data() + at), count);
}

std::string untilZero(std::string text) {
  if (auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  return text;
}

std::string hexBytes(ByteSpan data) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (auto b : data) {
    if (!out.empty()) out += ' ';
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
  return out;
}

// Thousandths as the tools show them: at most three decimals, trailing zeros dropped.
std::string thousandths(std::uint64_t value) {
  std::string out = std::to_string(value / 1000);
  if (auto frac = value % 1000) {
    std::string digits = std::to_string(1000 + frac).substr(1);
    while (digits.back() == '0') digits.pop_back();
    out += "." + digits;
  }
  return out;
}

class Builder {
 public:
  Builder(ByteSpan file, base::CodePage page, Report& report) : file_(file), z_(file), page_(page), report_(report) {}

  Field u8(std::string name, std::size_t at) { return {std::move(name), I{z_.u8(static_cast<I>(at))}, at, 1, {}}; }
  Field u16(std::string name, std::size_t at) { return {std::move(name), I{z_.u16(static_cast<I>(at))}, at, 2, {}}; }
  Field u32(std::string name, std::size_t at) { return {std::move(name), I{z_.u32(static_cast<I>(at))}, at, 4, {}}; }
  Field i32(std::string name, std::size_t at) { return {std::move(name), I{wtkfile::readI32(file_, at)}, at, 4, {}}; }
  Field single(std::string name, std::size_t at) {
    return {std::move(name), static_cast<double>(wtkfile::readSingle(file_, at)), at, 4, {}};
  }
  // A length byte and its text.
  Field counted(std::string name, std::size_t at, std::size_t limit = 255) {
    const std::size_t length = std::min<std::size_t>(z_.u8(static_cast<I>(at)), limit);
    return text(std::move(name), bytesText(file_, at + 1, length), at, 1 + length);
  }
  Field text(std::string name, const std::string& bytes, std::size_t at, std::size_t size) {
    return {std::move(name), shownText(bytes, page_), at, size, {}};
  }
  void problem(std::optional<std::size_t> at, std::string message) {
    report_.problems.push_back({at ? std::optional<std::uint64_t>(*at) : std::nullopt, std::move(message)});
  }
  bool holds(std::size_t at, std::size_t count) const { return base::fits(file_, at, count); }

  ByteSpan file_;
  base::ZeroExtended z_;
  base::CodePage page_;
  Report& report_;
};

Section containerSection(Builder& b, const Map& map) {
  Section s{"Resource container", 0, {}, {}, {}};
  const std::size_t M = resfile::mapOffset(b.file_);
  s.fields = {b.u32("data area offset", 0), b.u32("map offset", 4), b.u32("data area length", 8), b.u32("map length", 12)};
  s.fields.push_back({"header constants", hexBytes(b.file_.subspan(16, 16)), 16, 16, {}});
  s.fields.push_back(b.u16("file reference", M + 20));
  s.fields.push_back(b.u16("type list offset", M + 24));
  s.fields.push_back(b.u16("name list offset", M + 26));
  s.fields.push_back(b.u16("types - 1", M + 28));
  if (auto declared = b.z_.u32(4); declared + b.z_.u32(12) != b.file_.size())
    b.problem(4, strcat("The map offset ", declared, " and map length ", b.z_.u32(12), " do not end at the file's end (", b.file_.size(), " bytes)."));
  Table types{"Types", {"code", "stored", "resources", "first reference at", "type entry at"}, {}};
  for (std::size_t at : map.typeEntryAt) {
    const auto type = resfile::ResourceType::fromStored(b.file_.data() + at);
    const std::size_t first = M + resfile::kMapTypeListOffset + b.z_.u16(static_cast<I>(at + 6));
    auto stored = type.stored();
    types.rows.push_back({shownText(type.text(), base::CodePage::Cp1252), std::string(stored.begin(), stored.end()),
                          I{b.z_.u16(static_cast<I>(at + 4))} + 1, I(first), I(at)});
  }
  Table refs{"References", {"type", "id", "name", "data offset", "byte count at", "size", "entry at"}, {}};
  for (const auto& r : map.resources) {
    refs.rows.push_back({shownText(r.ref.type.text(), base::CodePage::Cp1252), I{r.ref.number},
                         r.name ? Value(shownText(*r.name, b.page_)) : Value(), I{r.ref.dataOffset}, I(r.countAt),
                         r.data ? Value(I(r.data->size())) : Value(), I(r.entryAt)});
    if (!r.error.empty()) b.problem(r.countAt, strcat("Resource ", r.ref.type.text(), " ", r.ref.number, ": ", r.error));
  }
  s.tables = {std::move(types), std::move(refs)};
  return s;
}

const Resource* firstOf(const Map& map, std::string_view code, std::optional<std::uint16_t> number = {}) {
  for (const auto& r : map.resources)
    if (r.ref.type.text() == code && r.data && (!number || r.ref.number == *number)) return &r;
  return nullptr;
}

std::size_t dataAt(const Resource& r) { return r.countAt + 4; }

// A bitmap resource: its size as its header gives it.
Section bitmapSection(Builder& b, std::string title, const Resource& r) {
  Section s{std::move(title), dataAt(r), {}, {}, {}};
  s.fields.push_back({"resource number", I{r.ref.number}, r.entryAt, 2, {}});
  s.fields.push_back({"bytes", I(r.data->size()), r.countAt, 4, {}});
  if (auto info = base::readBmpInfo(*r.data)) {
    s.fields.push_back(b.u32("width", dataAt(r) + 18));
    s.fields.push_back(b.u32("height", dataAt(r) + 22));
    s.fields.back().value = I{info->height};
    s.fields.push_back(b.u16("bits per pixel", dataAt(r) + 28));
  } else {
    b.problem(dataAt(r), strcat(s.title, ": ", info.error().message));
  }
  return s;
}

void reportFish(Builder& b, const Map& map) {
  Section fish{"Fish", {}, {}, {}, {}};
  const Resource* info = nullptr;
  for (const auto& r : map.resources)
    if (r.data && r.data->size() == fishfile::kInfoBlockSize) info = info ? info : &r;
  if (info) {
    const std::size_t at = dataAt(*info);
    Field number = b.u16("resource number R", at + fishfile::kInfoNumberAt);
    const auto R = std::get<I>(number.value);
    fish.fields.push_back({"fish ID (R = ID x 200 + 300)", (R - 300) / 200, at + fishfile::kInfoNumberAt, 0, {}});
    if (R < 300 || (R - 300) % 200 != 0) b.problem(at + fishfile::kInfoNumberAt, strcat("The resource number ", R, " is no fish ID's (ID x 200 + 300)."));
    fish.fields.push_back(std::move(number));
    fish.fields.push_back(b.counted("name", at + fishfile::kInfoNameAt, fishfile::kShortTextMax));
    fish.fields.push_back(b.counted("Latin name", at + fishfile::kInfoLatinAt, fishfile::kShortTextMax));
    fish.fields.push_back(b.counted("genre", at + fishfile::kInfoGenreAt, fishfile::kShortTextMax));
    fish.fields.push_back(b.counted("habitat", at + fishfile::kInfoHabitatAt, fishfile::kShortTextMax));
    fish.fields.push_back(b.text("description", untilZero(bytesText(b.file_, at + fishfile::kInfoDescriptionAt, fishfile::kDescriptionMax)), at + fishfile::kInfoDescriptionAt, fishfile::kDescriptionMax));
  }
  for (const auto& r : map.resources)
    if (r.data && r.data->size() >= 2 && (*r.data)[0] == 'B' && (*r.data)[1] == 'M') {
      fish.sections.push_back(bitmapSection(b, "Icon", r));
      break;
    }
  std::size_t set = 0, frameNumber = 0;
  for (const auto& r : map.resources) {
    if (!r.data || !fishfile::looksLikeAnimationSet(b.file_, dataAt(r), static_cast<std::uint32_t>(r.data->size()))) continue;
    ++set;
    Section s{strcat("Animation set ", set), dataAt(r), {}, {}, {}};
    s.fields.push_back({"resource number", I{r.ref.number}, r.entryAt, 2, {}});
    s.fields.push_back({"bytes", I(r.data->size()), r.countAt, 4, {}});
    s.fields.push_back(b.u16("animations", dataAt(r)));
    s.fields.push_back(b.u16("frames per animation", dataAt(r) + 2));
    Table frames{"Frames", {"animation", "frame", "number", "at", "width", "height", "runs", "stream bytes"}, {}};
    // The walk readers use: every animation with the first one's frame count.
    const std::size_t animations = b.z_.u16(static_cast<I>(dataAt(r)));
    std::size_t at = dataAt(r) + 2;
    const std::size_t end = dataAt(r) + r.data->size();
    for (std::size_t a = 0; a < animations && at < end; ++a) {
      const std::size_t count = b.z_.u16(static_cast<I>(at));
      at += 2;
      for (std::size_t f = 0; f < count && at < end; ++f, ++frameNumber) {
        auto frame = fishfile::readFrameRecord(b.file_, at);
        if (!frame) {
          b.problem(at, strcat("Frame ", fishfile::frameName(frameNumber), " of animation set ", set, ": ", frame.error().message));
          at = end;
          break;
        }
        frames.rows.push_back({I(a), I(f), fishfile::frameName(frameNumber), I(at), I{frame->width}, I{frame->height}, I{frame->runs},
                               I(frame->stream.size())});
        if (auto pixels = fishfile::decodeRunStream(frame->stream, std::size_t{frame->width} * frame->height); !pixels)
          b.problem(at, strcat("Frame ", fishfile::frameName(frameNumber), " (", frame->width, " x ", frame->height,
                               "): its stream disagrees with its size: ", pixels.error().message));
        at += frame->recordSize();
      }
    }
    if (at > end) b.problem(end, strcat("Animation set ", set, " runs ", at - end, " bytes past its resource."));
    s.tables.push_back(std::move(frames));
    fish.sections.push_back(std::move(s));
  }
  if (set != 4) b.problem(std::nullopt, strcat("The file holds ", set, " animation sets, not the 4 of a built fish."));
  b.report_.sections.push_back(std::move(fish));
}


void reportTank(Builder& b, std::optional<tankfile::TankImage>& held) {
  const auto* image = tankImage(b.file_, held);
  if (!image) return b.problem(std::nullopt, "The file is longer than the 10,000,000 bytes a tank may hold.");
  if (auto w = tankfile::findWaterBlock(*image)) {
    Section water{"Water block", *w, {}, {}, {}};
    const auto values = tankfile::waterValues(*image, *w);
    for (std::size_t k = 0; k < values.size(); ++k) {
      Field f = b.u32(std::string(tankfile::kWaterValueNames[k]), *w + 4 * k);
      f.shown = k < 4 ? thousandths(values[k]) : thousandths(tankfile::concentrationThousandths(values[k], values[0]));
      water.fields.push_back(std::move(f));
    }
    if (!tankfile::acceptsWaterEditing(values))
      b.problem(*w + 4, "The temperature lies outside 15-40 degrees: netkeeper takes this tank for one of another version.");
    b.report_.sections.push_back(std::move(water));
  } else {
    b.problem(std::nullopt, "No water block (3C 00 00 00 from offset 1 to 5000).");
  }
  const auto first = tankfile::findFirstFishRecord(*image);
  if (!first) b.problem(std::nullopt, "No fish record (D0 01 00 00 and a kind name of at most 29 bytes).");
  std::size_t count = 0;
  for (auto n = first; n; n = tankfile::findNextFishRecord(*image, *n + 400)) {
    const std::size_t N = *n;
    const std::string kind = tankfile::kindName(*image, N);
    Section s{"Fish " + std::to_string(++count) + ": " + shownText(kind, b.page_), N, {}, {}, {}};
    s.fields.push_back(b.counted("kind", N));
    Field sex = b.u8("sex", N + tankfile::fish::kSex);
    const auto sexByte = std::get<I>(sex.value);
    sex.shown = sexByte == 'M' ? "male (M)" : sexByte == 'F' ? "female (F)" : "neither M nor F";
    s.fields.push_back(std::move(sex));
    Field age = b.u32("age", N + tankfile::fish::kAge);
    age.shown = thousandths(static_cast<std::uint64_t>(std::get<I>(age.value)) * 1000 / 1440) + " days";
    s.fields.push_back(std::move(age));
    s.fields.push_back(b.u8("health", N + tankfile::fish::kHealth));
    s.fields.push_back(b.u8("vigor", N + tankfile::fish::kVigor));
    s.fields.push_back(b.u8("courage", N + tankfile::fish::kCourage));
    s.fields.push_back(b.u8("fullness", N + tankfile::fish::kFullness));
    Field power = b.u8("power", N + tankfile::fish::kPower);
    power.shown = std::to_string(std::get<I>(power.value) + 5) + " (stored - 5)";
    s.fields.push_back(std::move(power));
    s.fields.push_back(b.u32("ID", N + tankfile::fish::kId));
    s.fields.push_back({"first cleared field", hexBytes(b.file_.subspan(std::min(b.file_.size(), N + 266), std::min<std::size_t>(6, b.file_.size() - std::min(b.file_.size(), N + 266)))), N + 266, 6, {}});
    s.fields.push_back(b.counted("nickname", N + tankfile::fish::kNicknameLength));
    if (tankfile::carriesGenes(kind)) {
      const auto g = tankfile::genePlace(*image, N);
      const auto genes = tankfile::genesAt(*image, g);
      std::string list;
      for (auto gene : genes) list += (list.empty() ? "" : " ") + std::to_string(gene);
      const bool after = g == static_cast<I>(N) + tankfile::fish::kGenesAfter;
      s.fields.push_back({after ? "genes 1-14 (after the record)" : "genes 1-14 (before the record)", list,
                          g >= 0 ? std::optional<std::uint64_t>(static_cast<std::uint64_t>(g)) : std::nullopt, 28, {}});
      if (!image->holds(g, tankfile::kGeneBlockSize)) b.problem(std::nullopt, strcat("The genes of fish ", count, " lie partly outside the file."));
      if (kind == "Guppy") {
        Field guppy = b.u8("guppy sex gene", N - 22);
        const auto v = std::get<I>(guppy.value);
        guppy.shown = v == 3 ? "male (3)" : v == 1 ? "female (1)" : "neither 3 nor 1";
        s.fields.push_back(std::move(guppy));
      }
    }
    if (!image->holds(static_cast<I>(N), 464)) b.problem(N, strcat("Fish ", count, " runs past the end of the file."));
    b.report_.sections.push_back(std::move(s));
  }
  std::size_t eggs = 0;
  for (auto e = tankfile::findNextEggRecord(*image, image->fileLength() * 4 / 10 + 400); e;
       e = tankfile::findNextEggRecord(*image, *e + 400)) {
    const std::size_t E = *e;
    Section s{"Egg " + std::to_string(++eggs) + ": " + shownText(tankfile::kindName(*image, E), b.page_), E, {}, {}, {}};
    s.fields.push_back(b.counted("kind", E));
    s.fields.push_back(b.u8("egg count", E + tankfile::egg::kCount));
    s.fields.push_back(b.u32("ID", E + tankfile::egg::kId));
    b.report_.sections.push_back(std::move(s));
  }
}

void reportWtk(Builder& b) {
  std::size_t count = 0;
  for (auto r = wtkfile::findFirstRecord(b.file_); r; r = wtkfile::findNextRecord(b.file_, r->k)) {
    const auto names = wtkfile::readNameBlock(b.file_, r->k);
    Section s{strcat("Record ", ++count, ": ", shownText(names.kind, b.page_)), r->k, {}, {}, {}};
    s.fields.push_back(b.text("kind name", names.kind, r->k, names.kind.size()));
    s.fields.push_back({"recognised kind", std::string(r->kind), r->k, r->kind.size(), {}});
    s.fields.push_back(b.text("nickname", names.nickname, r->k + names.nicknameAt, names.nickname.size()));
    const auto base = wtkfile::findBase(b.file_, r->k);
    if (!base) {
      b.problem(r->k, strcat("Record ", count, " has no sex field (100, -100 or an egg's pattern) 96-224 bytes after its kind name."));
    } else {
      const std::size_t B = base->b;
      namespace f = wtkfile::field;
      Field sex = b.i32("sex", B + f::kSex);
      sex.shown = base->kind == wtkfile::BaseKind::Male ? "male" : base->kind == wtkfile::BaseKind::Female ? "female" : "egg";
      s.fields.push_back(std::move(sex));
      Field age = b.u32("age", B + f::kAge);
      age.shown = strcat(thousandths(static_cast<std::uint64_t>(std::get<I>(age.value)) * 1000 / 1440), " days");
      s.fields.push_back(std::move(age));
      s.fields.push_back(b.single("health", B + f::kHealth));
      s.fields.push_back(b.single("fullness capacity", B + f::kCapacity));
      s.fields.push_back(b.single("fullness", B + f::kFullness));
      s.fields.push_back(b.single("power", B + f::kPower));
      s.fields.push_back(b.single("courage", B + f::kCourage));
      s.fields.push_back(b.single("colour", B + f::kColour));
      s.fields.push_back(b.i32("eggs", B + f::kEggs));
      if (!b.holds(B, f::kEnd)) b.problem(B, strcat("Record ", count, " runs past the end of the file."));
    }
    b.report_.sections.push_back(std::move(s));
  }
}

void reportFood(Builder& b, const Map& map) {
  b.report_.variant = !map.resources.empty() && map.resources.front().ref.type.text() == "Fd_H" ? "single-frame" : "multi-frame";
  Section food{"Food", {}, {}, {}, {}};
  if (const auto* h = firstOf(map, "Fd_H")) {
    const std::size_t at = dataAt(*h);
    food.fields.push_back(b.counted("name", at + fishfile::kInfoNameAt, fishfile::kShortTextMax));
    food.fields.push_back(b.text("memo", untilZero(bytesText(b.file_, at + 34, 512)), at + 34, 512));
    Field R = b.u16("resource number R", at + 546);
    food.fields.push_back({"food ID (R = ID x 100 + 10000)", (std::get<I>(R.value) - 10000) / 100, at + 546, 0, {}});
    food.fields.push_back(std::move(R));
    if (h->data->size() != foodfile::kHeaderDataSize) b.problem(h->countAt, strcat("The food header holds ", h->data->size(), " bytes, not 548."));
  } else {
    b.problem(std::nullopt, "No food header (Fd_H) inside the file.");
  }
  if (const auto* p = firstOf(map, "Fd_I")) {
    const std::size_t at = dataAt(*p);
    Field kind = b.u8("kind + 1", at);
    kind.shown = strcat("kind ", std::get<I>(kind.value) - 1);
    food.fields.push_back(std::move(kind));
    food.fields.push_back(b.u16("parameter bytes 2-3", at + 2));
    for (std::size_t k : {6, 8, 10, 12, 14, 16, 18, 22}) food.fields.push_back(b.u8(strcat("parameter byte ", k), at + k));
    food.fields.push_back(b.u16("parameter R", at + 20));
  }
  for (std::string_view code : {"Fd_2", "FdVe", "FoFV"})
    if (const auto* c = firstOf(map, code)) food.fields.push_back(b.u16(std::string(code), dataAt(*c)));
  if (const auto* v = firstOf(map, "FdVe")) {
    const auto value = b.z_.u16(static_cast<I>(dataAt(*v)));
    if ((b.report_.variant == "single-frame") != (value == 160))
      b.problem(dataAt(*v), strcat("FdVe holds ", value, ", not the ", b.report_.variant == "single-frame" ? 160 : 150, " of the ", b.report_.variant, " layout."));
  }
  if (const auto* pic = firstOf(map, "FDDP")) food.sections.push_back(bitmapSection(b, "Picture", *pic));
  std::size_t frame = 0;
  for (const auto& r : map.resources)
    if (r.ref.type.text() == "FDPC" && r.data) food.sections.push_back(bitmapSection(b, strcat("Frame ", frame++), r));
  b.report_.sections.push_back(std::move(food));
}

void reportPlant(Builder& b, const Map& map) {
  Section plant{"Plant", {}, {}, {}, {}};
  if (const auto* h = firstOf(map, "PlTI")) {
    plant.fields.push_back(b.u16("plant ID", dataAt(*h) + 10));
    Field redd = b.u8("Redd", dataAt(*h) + 13);
    redd.shown = std::get<I>(redd.value) ? "ticked" : "not ticked";
    plant.fields.push_back(std::move(redd));
  }
  for (std::uint16_t number : {std::uint16_t{128}, std::uint16_t{129}})
    if (const auto* size = firstOf(map, "PlPI", number)) {
      Section s{strcat("Size record ", number), dataAt(*size), {}, {}, {}};
      s.fields.push_back(b.counted("name", dataAt(*size), 32));
      s.fields.push_back(b.u16("height", dataAt(*size) + 260));
      s.fields.push_back(b.u16("width", dataAt(*size) + 262));
      if (const auto* label = firstOf(map, "PlPH", number)) s.fields.push_back(b.counted("label", dataAt(*label), 32));
      plant.sections.push_back(std::move(s));
    }
  if (const auto* t = firstOf(map, "PlTH")) {
    const std::size_t at = dataAt(*t);
    plant.fields.push_back(b.counted("Latin name", at, 32));
    plant.fields.push_back(b.counted("scientific name", at + 33, 32));
    plant.fields.push_back(b.u16("text's plant ID", at + 66));
    plant.fields.push_back(b.counted("description caption", at + 70, 12));
    plant.fields.push_back(b.text("description", untilZero(bytesText(b.file_, at + 104, 512)), at + 104, 512));
  }
  if (const auto* v = firstOf(map, "PlVe")) plant.fields.push_back(b.u16("PlVe", dataAt(*v)));
  std::size_t views = 0;
  for (const auto& r : map.resources)
    if (r.ref.type.text() == "PLDP" && r.data) plant.sections.push_back(bitmapSection(b, views++ == 0 ? "Icon" : "Top view", r));
  if (const auto* front = firstOf(map, "PLPC")) plant.sections.push_back(bitmapSection(b, "Front view", *front));
  b.report_.sections.push_back(std::move(plant));
}

void reportGravel(Builder& b, const Map& map) {
  Section gravel{"Gravel", {}, {}, {}, {}};
  // gritpress writes a text where gritwright writes constants.
  const std::string headerText = untilZero(bytesText(b.file_, 16, 240));
  if (!headerText.empty() && std::all_of(headerText.begin(), headerText.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
    gravel.fields.push_back({"header text", headerText, 16, headerText.size(), {}});
  if (const auto* d = firstOf(map, "Grvl")) {
    gravel.fields.push_back(b.u16("Height", dataAt(*d)));
    gravel.fields.push_back(b.u16("Length", dataAt(*d) + 2));
    if (d->name) {
      const std::size_t nameAt = resfile::mapOffset(b.file_) + b.z_.u16(static_cast<I>(resfile::mapOffset(b.file_) + 26)) + d->ref.nameOffset;
      gravel.fields.push_back(b.text("name", *d->name, nameAt, 1 + d->name->size()));
    }
  } else {
    b.problem(std::nullopt, "No dimension block (Grvl) inside the file.");
  }
  if (const auto* s = firstOf(map, "BADP")) gravel.sections.push_back(bitmapSection(b, "Surface", *s));
  if (const auto* a = firstOf(map, "BAPC")) gravel.sections.push_back(bitmapSection(b, "Aspect", *a));
  b.report_.sections.push_back(std::move(gravel));
}

void reportLibrary(Builder& b) {
  Section library{"Fish library", 0, {}, {}, {}};
  const std::string title = untilZero(bytesText(b.file_, 12, b.file_.size()));
  library.fields.push_back(b.text("title", title, 12, title.size() + 1));
  library.fields.push_back(b.u8("entries", 12 + title.size() + 1));
  Table entries{"Entries", {"name", "data at", "size"}, {}};
  if (auto list = fishfile::readFishLibrary(b.file_)) {
    for (const auto& e : *list) entries.rows.push_back({shownText(e.name, b.page_), I{e.offset}, I{e.size}});
  } else {
    b.problem(std::nullopt, list.error().message);
  }
  library.tables.push_back(std::move(entries));
  b.report_.sections.push_back(std::move(library));
}

void reportPalette(Builder& b) {
  Section palette{"Palette table", 0, {}, {}, {}};
  auto table = palettefile::parsePaletteFile(b.file_);
  if (!table) return b.problem(std::nullopt, table.error().message);
  std::int64_t changed = 0;
  for (std::size_t i = 0; i < table->size(); ++i) changed += (*table)[i] != i;
  palette.fields.push_back({"entries not mapping to themselves", changed, {}, 0, {}});
  Table rows{"Entries (line n holds entry n - 1)", {"entries"}, {}};
  for (int c = 0; c < 16; ++c) rows.columns.push_back(strcat("+", c));
  for (std::size_t r = 0; r < 16; ++r) {
    std::vector<Value> row;
    row.emplace_back(I(r * 16));
    for (std::size_t c = 0; c < 16; ++c) row.push_back(I{(*table)[r * 16 + c]});
    rows.rows.push_back(std::move(row));
  }
  palette.tables.push_back(std::move(rows));
  b.report_.sections.push_back(std::move(palette));
}

}  // namespace

Kind recognise(base::ByteSpan file, std::string* reason) {
  std::string why;
  std::optional<tankfile::TankImage> held;
  const auto kind = recogniseWith(file, readMap(file), why, held);
  if (reason) *reason = why;
  return kind;
}

Report inspectFile(base::ByteSpan file, base::CodePage page) {
  Report report;
  report.fileSize = file.size();
  std::string notContainer;
  const auto map = readMap(file, &notContainer);
  std::optional<tankfile::TankImage> held;
  report.kind = recogniseWith(file, map, report.reason, held);
  Builder b(file, page, report);
  if (map) {
    report.sections.push_back(containerSection(b, *map));
  } else if (report.kind == Kind::Container) {
    Section header{"Resource container", 0, {b.u32("data area offset", 0), b.u32("map offset", 4), b.u32("data area length", 8), b.u32("map length", 12)}, {}, {}};
    report.sections.push_back(std::move(header));
    b.problem(4, strcat("The resource map could not be read: ", notContainer, "."));
  }
  switch (report.kind) {
    case Kind::Fish: reportFish(b, *map); break;
    case Kind::Tank:
      if (!map) b.problem(0, strcat("No resource map could be read (", notContainer, "); the tank's blocks are found by their markers."));
      reportTank(b, held);
      break;
    case Kind::ExtendedTank: reportWtk(b); break;
    case Kind::Food: reportFood(b, *map); break;
    case Kind::Plant: reportPlant(b, *map); break;
    case Kind::Gravel: reportGravel(b, *map); break;
    case Kind::FishLibrary: reportLibrary(b); break;
    case Kind::Palette: reportPalette(b); break;
    case Kind::Container:
    case Kind::None: break;
  }
  return report;
}

}  // namespace inspect
