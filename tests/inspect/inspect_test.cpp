// The inspect report of one sample of every kind, checked against the formats' tables: where
// each field lies and what it holds, what could not be read, and the JSON's shape.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/bytes.hpp"
#include "foodfile/foodfile.hpp"
#include "gravelfile/gravelfile.hpp"
#include "inspect/inspect.hpp"
#include "json_schema.hpp"
#include "palettefile/palettefile.hpp"
#include "plantfile/plantfile.hpp"
#include "resfile/resfile.hpp"
#include "samples/bitmaps.hpp"
#include "samples/sample_library.hpp"
#include "samples/samples.hpp"
#include "samples/tank.hpp"
#include "samples/wtk.hpp"

namespace {

using base::Bytes;
using inspect::Field;
using inspect::Kind;
using inspect::Report;
using inspect::Section;

const Section* findSection(const std::vector<Section>& sections, std::string_view title) {
  for (const auto& s : sections) {
    if (s.title == title) return &s;
    if (const auto* inner = findSection(s.sections, title)) return inner;
  }
  return nullptr;
}

// The field `name` of the section titled `title`; fails the test when there is none.
Field field(const Report& report, std::string_view title, std::string_view name) {
  const Section* s = findSection(report.sections, title);
  if (s)
    for (const auto& f : s->fields)
      if (f.name == name) return f;
  ADD_FAILURE() << "no field " << name << " in " << title;
  return {};
}

std::int64_t whole(const Field& f) { return std::holds_alternative<std::int64_t>(f.value) ? std::get<std::int64_t>(f.value) : -1; }
std::string words(const Field& f) { return std::holds_alternative<std::string>(f.value) ? std::get<std::string>(f.value) : "?"; }
std::uint64_t at(const Field& f) { return f.offset.value_or(~0ull); }

// Every whole-number field of 1, 2 or 4 bytes must be found, little-endian, at its offset: the
// promise that a hex editor shows what the report says.
void expectStoredWhereSaid(const std::vector<Section>& sections, const Bytes& file) {
  for (const auto& s : sections) {
    for (const auto& f : s.fields) {
      if (!f.offset || !std::holds_alternative<std::int64_t>(f.value) || (f.size != 1 && f.size != 2 && f.size != 4)) continue;
      if (*f.offset + f.size > file.size()) continue;
      std::uint64_t stored = 0;
      for (std::size_t k = 0; k < f.size; ++k) stored |= std::uint64_t{file[*f.offset + k]} << (8 * k);
      const auto said = static_cast<std::uint64_t>(std::get<std::int64_t>(f.value)) & (f.size == 8 ? ~0ull : (1ull << (8 * f.size)) - 1);
      EXPECT_EQ(stored, said) << s.title << " / " << f.name << " at " << *f.offset;
    }
    expectStoredWhereSaid(s.sections, file);
  }
}

Report inspected(const Bytes& file, Kind kind) {
  Report report = inspect::inspectFile(file, base::CodePage::Cp932);
  EXPECT_EQ(report.kind, kind) << report.reason;
  expectStoredWhereSaid(report.sections, file);
  return report;
}

Bytes food(std::size_t frames) {
  static const Bytes picture = samples::foodPicture();
  static std::vector<Bytes> frameFiles;
  if (frameFiles.empty())
    for (std::size_t k = 0; k < samples::kFoodFrameCount; ++k) frameFiles.push_back(samples::foodFrame(k));
  std::vector<base::ByteSpan> spans(frameFiles.begin(), frameFiles.begin() + static_cast<std::ptrdiff_t>(frames));
  return foodfile::buildFoodFile({"Flakes", "Sinks slowly", 10500, 3, picture, spans}).value();
}

Bytes plant() {
  static const Bytes icon = samples::plantIcon(), top = samples::plantTop(), front = samples::plantFront();
  static const std::string description = samples::plantDescription();
  base::ByteSpan text(reinterpret_cast<const std::uint8_t*>(description.data()), description.size());
  return plantfile::buildPlantFile({300, "Vallis", "Vallisneria", "V. spiralis", true, icon, top, front, text}).value();
}

Bytes gravel() { return gravelfile::buildGravelFile(samples::gravelSurface(), samples::gravelAspect(), 57, 90).value(); }

TEST(InspectKinds, FishFileTextsIdIconAndAnimations) {
  const Bytes fish = samples::sampleFish().value();
  const Report r = inspected(fish, Kind::Fish);
  EXPECT_EQ(whole(field(r, "Fish", "fish ID (R = ID x 200 + 300)")), 42);
  EXPECT_EQ(whole(field(r, "Fish", "resource number R")), 42 * 200 + 300);
  // The name's length byte 1128 bytes before the end of the info block, the ID 578 bytes in.
  EXPECT_EQ(at(field(r, "Fish", "name")) + 578, at(field(r, "Fish", "resource number R")));
  EXPECT_EQ(words(field(r, "Fish", "name")), samples::sampleFishTexts().name);
  EXPECT_EQ(whole(field(r, "Icon", "width")), 83);
  EXPECT_EQ(whole(field(r, "Icon", "height")), 83);
  const std::array<std::int64_t, 4> animations = {8, 6, 2, 2};
  for (std::size_t set = 0; set < 4; ++set) {
    const auto title = "Animation set " + std::to_string(set + 1);
    EXPECT_EQ(whole(field(r, title, "animations")), animations[set]);
    EXPECT_EQ(whole(field(r, title, "resource number")), 8700 + static_cast<std::int64_t>(set));
    EXPECT_EQ(findSection(r.sections, title)->tables.at(0).rows.size(), static_cast<std::size_t>(animations[set] * 8));
  }
  EXPECT_TRUE(r.problems.empty()) << r.problems.front().message;
}

TEST(InspectKinds, TankWaterFishEggsAndGenes) {
  const Bytes tank = samples::sampleTank().value();
  const Report r = inspected(tank, Kind::Tank);
  const Field temp = field(r, "Water block", "Temp");
  EXPECT_EQ(whole(temp), 26500);
  EXPECT_EQ(temp.shown, "26.5");
  EXPECT_EQ(field(r, "Water block", "O2").shown, "7.9");  // 474000 / 60000 ml
  EXPECT_EQ(at(field(r, "Water block", "Vol(Litter)")) + 4, at(temp));
  // The sample's fish in file order, with their fields at N + 260, N + 272 …
  const Field kind = field(r, "Fish 3: Discus", "kind");
  EXPECT_EQ(words(kind), "Discus");
  EXPECT_EQ(at(field(r, "Fish 3: Discus", "sex")), at(kind) + 260);
  EXPECT_EQ(at(field(r, "Fish 3: Discus", "age")), at(kind) + 272);
  EXPECT_EQ(at(field(r, "Fish 3: Discus", "ID")), at(kind) + 328);
  EXPECT_EQ(whole(field(r, "Fish 3: Discus", "age")), (40 + 7 * 2) * 1440);
  EXPECT_EQ(field(r, "Fish 3: Discus", "power").shown, "60 (stored - 5)");
  EXPECT_EQ(at(field(r, "Fish 3: Discus", "genes 1-14 (before the record)")), at(kind) - 36);
  EXPECT_EQ(at(field(r, "Fish 1: Guppy", "genes 1-14 (after the record)")), at(field(r, "Fish 1: Guppy", "kind")) + 1606);
  EXPECT_EQ(words(field(r, "Fish 8: Kingyo", "nickname")), "Goldie");
  EXPECT_EQ(words(field(r, "Fish 1: Guppy", "nickname")), "ひかり");
  EXPECT_EQ(findSection(r.sections, "Fish 5: NeonTetra")->fields.size(), 11u);  // no genes for a neon
  EXPECT_EQ(whole(field(r, "Egg 2: Discus", "egg count")), 3);
  EXPECT_EQ(whole(field(r, "Egg 3: Guppy", "egg count")), 20);
  EXPECT_EQ(findSection(r.sections, "Egg 4: Guppy"), nullptr);
  EXPECT_TRUE(r.problems.empty());
}

TEST(InspectKinds, ExtendedTankRecordsByTheirBase) {
  const Bytes wtk = samples::sampleWtk().value();
  const Report r = inspected(wtk, Kind::ExtendedTank);
  const Field name = field(r, "Record 1: NEONTETRA", "kind name");
  EXPECT_EQ(at(name), 520u + 10);  // the first marker at 520, the name 10 bytes on
  EXPECT_EQ(words(field(r, "Record 1: NEONTETRA", "recognised kind")), "NEON");
  EXPECT_EQ(at(field(r, "Record 1: NEONTETRA", "sex")), at(name) + 100);
  EXPECT_EQ(whole(field(r, "Record 1: NEONTETRA", "age")), 30 * 1440);
  EXPECT_EQ(std::get<double>(field(r, "Record 1: NEONTETRA", "courage").value), 40.25);
  EXPECT_EQ(at(field(r, "Record 2: CARDINALFISH", "nickname")), at(field(r, "Record 2: CARDINALFISH", "kind name")) + 12 + 1 + 5 + 5);
  EXPECT_EQ(field(r, "Record 2: CARDINALFISH", "sex").shown, "female");
  EXPECT_EQ(whole(field(r, "Record 4: angelfish", "eggs")), 100);
  // PANDA carries neither sex value: told, and the rest of the report stands.
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_NE(r.problems[0].message.find("Record 6 has no sex field"), std::string::npos);
  EXPECT_NE(findSection(r.sections, "Record 7: golden_butterfly"), nullptr);
}

TEST(InspectKinds, FoodFileBothLayouts) {
  const Report one = inspected(food(1), Kind::Food);
  EXPECT_EQ(one.variant, "single-frame");
  EXPECT_EQ(at(field(one, "Food", "name")), 260u);
  EXPECT_EQ(words(field(one, "Food", "name")), "Flakes");
  EXPECT_EQ(at(field(one, "Food", "memo")), 294u);
  EXPECT_EQ(at(field(one, "Food", "resource number R")), 806u);
  EXPECT_EQ(whole(field(one, "Food", "food ID (R = ID x 100 + 10000)")), 5);
  EXPECT_EQ(at(field(one, "Food", "kind + 1")), 812u);
  EXPECT_EQ(field(one, "Food", "kind + 1").shown, "kind 3");
  EXPECT_EQ(at(field(one, "Food", "FdVe")), 848u);
  EXPECT_EQ(whole(field(one, "Food", "FdVe")), 160);
  EXPECT_EQ(whole(field(one, "Frame 0", "width")), 24);

  const Report many = inspected(food(8), Kind::Food);
  EXPECT_EQ(many.variant, "multi-frame");
  EXPECT_EQ(at(field(many, "Food", "kind + 1")), 260u);
  EXPECT_EQ(at(field(many, "Food", "FdVe")), 290u);
  EXPECT_EQ(whole(field(many, "Food", "FdVe")), 150);
  EXPECT_EQ(at(field(many, "Food", "resource number R")), 848u);
  EXPECT_EQ(whole(field(many, "Frame 7", "resource number")), 10507);
  EXPECT_TRUE(one.problems.empty() && many.problems.empty());
}

TEST(InspectKinds, PlantGravelLibraryAndPalette) {
  const Bytes p = plant();
  const Report r = inspected(p, Kind::Plant);
  EXPECT_EQ(at(field(r, "Plant", "plant ID")), 270u);
  EXPECT_EQ(whole(field(r, "Plant", "plant ID")), 300);
  EXPECT_EQ(field(r, "Plant", "Redd").shown, "ticked");
  EXPECT_EQ(at(field(r, "Size record 128", "height")), 278u + 260);
  EXPECT_EQ(whole(field(r, "Size record 128", "height")), 128);
  EXPECT_EQ(whole(field(r, "Size record 129", "width")), 63);  // 96 x 0.66 = 63.36
  EXPECT_EQ(words(field(r, "Size record 129", "label")), "Small");
  const std::size_t T = 1422 + samples::plantIcon().size() + samples::plantTop().size() + samples::plantFront().size();
  EXPECT_EQ(at(field(r, "Plant", "Latin name")), T + 4);
  EXPECT_EQ(words(field(r, "Plant", "scientific name")), "V. spiralis");

  const Report g = inspected(gravel(), Kind::Gravel);
  EXPECT_EQ(at(field(g, "Gravel", "Height")), 260u);
  EXPECT_EQ(whole(field(g, "Gravel", "Length")), 90);
  EXPECT_EQ(whole(field(g, "Aspect", "height")), 57);

  const Report lib = inspected(samples::fishLibrary().value(), Kind::FishLibrary);
  const auto& entries = findSection(lib.sections, "Fish library")->tables.at(0).rows;
  ASSERT_EQ(entries.size(), 67u);
  EXPECT_EQ(std::get<std::string>(entries[1][0]), "back.dat");
  EXPECT_EQ(std::get<std::int64_t>(entries[1][2]), 1102);

  auto table = palettefile::identityTable();
  table[1] = 2;
  const std::string text = palettefile::paletteFileText(table);
  const Report pal = inspected(Bytes(text.begin(), text.end()), Kind::Palette);
  EXPECT_EQ(whole(field(pal, "Palette table", "entries not mapping to themselves")), 1);
}

TEST(InspectKinds, ArchiveOfTwoFishIsAContainer) {
  // The game's archive holds many fish: their info blocks, animation sets and fish records.
  const Bytes fish = samples::sampleFish().value();
  resfile::Writer writer;
  resfile::MapSpec map;
  std::uint16_t number = 0;
  const auto refs = resfile::readReferences(fish).value();
  for (int copy = 0; copy < 2; ++copy)
    for (const auto& ref : refs) {
      const auto data = resfile::resourceData(fish, ref.dataOffset).value();
      map.types.push_back({ref.type, {{number++, std::nullopt, writer.append(data)}}});
    }
  auto finished = std::move(writer).finish(map);
  ASSERT_TRUE(finished) << finished.error().message;
  const Bytes archive = *finished;
  const Report r = inspected(archive, Kind::Container);
  EXPECT_EQ(findSection(r.sections, "Resource container")->tables.at(1).rows.size(), 2 * 65u);
  EXPECT_TRUE(r.problems.empty());
}

TEST(InspectTrouble, ToldWithoutFailingTheReport) {
  // A frame whose size disagrees with its stream.
  Bytes fish = samples::sampleFish().value();
  const Report clean = inspect::inspectFile(fish, base::CodePage::Cp932);
  const auto frameAt = static_cast<std::size_t>(std::get<std::int64_t>(findSection(clean.sections, "Animation set 1")->tables[0].rows[0][3]));
  fish[frameAt + 6] += 1;  // width
  const Report frame = inspected(fish, Kind::Fish);
  ASSERT_EQ(frame.problems.size(), 1u);
  EXPECT_EQ(frame.problems[0].offset, frameAt);
  EXPECT_NE(frame.problems[0].message.find("Frame 0000 (97 x 64): its stream disagrees"), std::string::npos) << frame.problems[0].message;

  // A resource whose data offset points past the end: the food's last frame.
  Bytes broken = food(8);
  const std::size_t M = broken[4] | (broken[5] << 8) | (broken[6] << 16);
  const std::size_t lastEntry = M + 86 + 12 * 13;  // six single resources, then frames 0-7
  broken[lastEntry + 4] = broken[lastEntry + 5] = 0xF0;
  const Report past = inspected(broken, Kind::Food);
  ASSERT_EQ(past.problems.size(), 1u);
  EXPECT_NE(past.problems[0].message.find("Resource FDPC 10507"), std::string::npos) << past.problems[0].message;
  EXPECT_NE(findSection(past.sections, "Frame 6"), nullptr);

  // A tank cut short: no resource map, but the blocks are still found by their markers.
  Bytes tank = samples::sampleTank().value();
  tank.resize(20000);
  const Report cut = inspected(tank, Kind::Tank);
  ASSERT_FALSE(cut.problems.empty());
  EXPECT_NE(cut.problems[0].message.find("No resource map could be read"), std::string::npos);
  EXPECT_NE(findSection(cut.sections, "Fish 1: Guppy"), nullptr);

  // A container cut off before its map: its header is still reported.
  Bytes cutGravel = gravel();
  cutGravel.resize(20000);
  const Report header = inspected(cutGravel, Kind::Container);
  ASSERT_EQ(header.problems.size(), 1u);
  EXPECT_EQ(header.problems[0].message, "The resource map could not be read: its map offset lies outside the file.");
  EXPECT_EQ(whole(field(header, "Resource container", "map offset")), 25952);

  // Bytes of no known kind.
  Bytes noise(3000);
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>(i * 37 + 11);
  std::string reason;
  EXPECT_EQ(inspect::recognise(noise, &reason), Kind::None);
  EXPECT_NE(reason.find("a palette file (256 lines of whole numbers)"), std::string::npos);
  EXPECT_EQ(inspect::recognise(Bytes{}), Kind::None);
}

std::string fileText(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(InspectOutput, JsonOfEveryKindFollowsTheSchema) {
  std::string error;
  const auto schema = jsontest::Parser(fileText(BRINKIT_INSPECT_SCHEMA)).parse(error);
  ASSERT_EQ(error, "");
  auto table = palettefile::identityTable();
  const std::string palette = palettefile::paletteFileText(table);
  const std::vector<Bytes> files = {samples::sampleFish().value(), samples::sampleTank().value(), samples::sampleWtk().value(),
                                    food(1), food(8), plant(), gravel(), samples::fishLibrary().value(),
                                    Bytes(palette.begin(), palette.end()), Bytes(600, 0x41)};
  for (const auto& file : files) {
    const Report report = inspect::inspectFile(file, base::CodePage::Cp932);
    const auto document = jsontest::Parser(inspect::jsonText(report, "in \"quotes\"\n")).parse(error);
    ASSERT_EQ(error, "") << inspect::kindId(report.kind);
    std::vector<std::string> errors;
    jsontest::validate(document, schema, schema, "$", errors);
    EXPECT_TRUE(errors.empty()) << inspect::kindId(report.kind) << ": " << errors.front();
    EXPECT_EQ(document.member("kind")->text, inspect::kindId(report.kind));
  }
  // The validator itself refuses what breaks the schema.
  const auto wrong = jsontest::Parser(R"({"file": 1, "kind": "boat"})").parse(error);
  std::vector<std::string> errors;
  jsontest::validate(wrong, schema, schema, "$", errors);
  EXPECT_GE(errors.size(), 3u);  // file not a string, kind not listed, members missing
}

TEST(InspectOutput, PlainTextOfAGravelFile) {
  // Checked by hand against the gravel file's table: header, dimension block at 256, the
  // bitmaps' byte counts at 268 and 272 + s, the map at 276 + s + a.
  EXPECT_EQ(inspect::plainText(inspect::inspectFile(gravel(), base::CodePage::Cp932), "temp.grv"), fileText(BRINKIT_INSPECT_GOLDEN));
}

}  // namespace
