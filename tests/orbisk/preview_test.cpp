// The preview's rules without a screen or a sound device: its texts and sizes, previous/next,
// the wave and MIDI headers, the temp folder of each running copy, showing and saving
// resources, and the MIDI rendering.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/library.hpp"
#include "base/bytes.hpp"
#include "base/file_io.hpp"
#include "base/system.hpp"
#include "orbisk/media.hpp"
#include "orbisk/midi_info.hpp"
#include "orbisk/midi_render.hpp"
#include "orbisk/preview.hpp"
#include "orbisk/preview_folder.hpp"
#include "orbisk/preview_text.hpp"
#include "orbisk/wave_info.hpp"
#include "support/scoped_environment.hpp"
#include "support/test_folder.hpp"
#include "ui/scripted_ui.hpp"

namespace {

namespace fs = std::filesystem;
using orbisk::Kind;
using namespace orbisk_test;

TEST(PreviewTexts, WaveSecondsWithTwoDecimalsRounded) {
  EXPECT_EQ(orbisk::wavePositionText(0), "0.00");
  EXPECT_EQ(orbisk::wavePositionText(4), "0.00");
  EXPECT_EQ(orbisk::wavePositionText(5), "0.01");
  EXPECT_EQ(orbisk::wavePositionText(1234), "1.23");
  EXPECT_EQ(orbisk::wavePositionText(1235), "1.24");
  EXPECT_EQ(orbisk::wavePositionText(999), "1.00");
  EXPECT_EQ(orbisk::wavePositionText(61005), "61.01");
  EXPECT_EQ(orbisk::waveLengthText(1000), "/ 1.00秒");
  EXPECT_EQ(orbisk::lengthText(Kind::Wave, 2500), "/ 2.50秒");
  EXPECT_EQ(orbisk::positionText(Kind::Wave, 90), "0.09");
  EXPECT_EQ(orbisk::refreshIntervalMs(Kind::Wave), 100);
}

TEST(PreviewTexts, MidiMinutesAndTwoDigitSecondsCut) {
  EXPECT_EQ(orbisk::midiPositionText(0), "0分00秒");
  EXPECT_EQ(orbisk::midiPositionText(5999), "0分05秒");
  EXPECT_EQ(orbisk::midiPositionText(65000), "1分05秒");
  EXPECT_EQ(orbisk::midiPositionText(3600000), "60分00秒");
  EXPECT_EQ(orbisk::midiLengthText(125400), "/ 2分05秒");
  EXPECT_EQ(orbisk::positionText(Kind::Midi, 2000), "0分02秒");
  EXPECT_EQ(orbisk::lengthText(Kind::Midi, 2000), "/ 0分02秒");
  EXPECT_EQ(orbisk::refreshIntervalMs(Kind::Midi), 200);
}

TEST(PreviewTexts, CaptionAndMessages) {
  EXPECT_EQ(orbisk::previewCaption("samp0002.BMP"), "プレビュー - samp0002.BMP");
  EXPECT_EQ(orbisk::previewNoFolderMessage("/gone/out"),
            "出力先フォルダ\n\r/gone/out\n\rが存在しません。ファイルの解凍に失敗しました。");
  EXPECT_EQ(orbisk::tempFolderMessage("/opt/orbisk/OrbTemp"),
            "フォルダ\n\r\n\r   /opt/orbisk/OrbTemp\n\r\n\rの削除に失敗しました。このフォルダは「Orbisk」\n\r"
            "が使いますので、なるべく他のファイルを入れないで下さい。");
}

TEST(PreviewWindowSize, NarrowBitmapsGet120AndWideOnesTheirWidthPlus12) {
  EXPECT_EQ(orbisk::bitmapWindowSize(50, 40), (orbisk::WindowSize{120, 112}));
  EXPECT_EQ(orbisk::bitmapWindowSize(110, 10), (orbisk::WindowSize{120, 82}));
  EXPECT_EQ(orbisk::bitmapWindowSize(111, 10), (orbisk::WindowSize{123, 82}));
  EXPECT_EQ(orbisk::bitmapWindowSize(300, 200), (orbisk::WindowSize{312, 272}));
  EXPECT_EQ(orbisk::kSoundWindowSize, (orbisk::WindowSize{250, 115}));
}

TEST(PreviewStep, WrapsAroundAtBothEndsAndNeedsTwoResources) {
  EXPECT_EQ(orbisk::steppedIndex(0, 3, +1), 1u);
  EXPECT_EQ(orbisk::steppedIndex(2, 3, +1), 0u);
  EXPECT_EQ(orbisk::steppedIndex(0, 3, -1), 2u);
  EXPECT_EQ(orbisk::steppedIndex(1, 3, -1), 0u);
  EXPECT_EQ(orbisk::steppedIndex(0, 1, +1), std::nullopt);
  EXPECT_EQ(orbisk::steppedIndex(0, 1, -1), std::nullopt);
  EXPECT_EQ(orbisk::steppedIndex(3, 3, +1), std::nullopt);
  EXPECT_EQ(orbisk::steppedIndex(0, 0, +1), std::nullopt);
}

// ---- wave headers

TEST(WaveInfo, PcmLengthFromFramesAtTheSampleRate) {
  auto info = orbisk::readWaveInfo(wave(8000));  // 8-bit mono at 8000 Hz: one second
  ASSERT_TRUE(info) << info.error().message;
  EXPECT_EQ(info->formatTag, 1);
  EXPECT_EQ(info->channels, 1);
  EXPECT_EQ(info->sampleRate, 8000u);
  EXPECT_EQ(info->dataOffset, 44u);
  EXPECT_EQ(info->dataBytes, 8000u);
  EXPECT_EQ(info->lengthMs, 1000u);
}

TEST(WaveInfo, SkipsOtherChunksWithTheirPadByteAndCutsDataToTheBytesPresent) {
  // "fmt " for 16-bit stereo at 22,050 Hz, an odd "LIST" chunk of 3 bytes plus its pad byte,
  // then "data" stating 88,200 bytes (one second) of which only 44,100 are there.
  Bytes b;
  text(b, "RIFF");
  le32(b, 4 + 24 + 12 + 8 + 88200);
  text(b, "WAVEfmt ");
  le32(b, 16);
  le16(b, 1);
  le16(b, 2);
  le32(b, 22050);
  le32(b, 88200);
  le16(b, 4);
  le16(b, 16);
  text(b, "LIST");
  le32(b, 3);
  text(b, "abc");
  b.push_back(0);
  text(b, "data");
  le32(b, 88200);
  b.resize(b.size() + 44100, 0);
  auto info = orbisk::readWaveInfo(b);
  ASSERT_TRUE(info) << info.error().message;
  EXPECT_EQ(info->dataOffset, 56u);
  EXPECT_EQ(info->dataBytes, 44100u);
  EXPECT_EQ(info->lengthMs, 500u);
}

TEST(WaveInfo, CodedFormatsAreMeasuredByTheirByteRate) {
  // IMA ADPCM (17), mono, 8000 Hz, 4,055 bytes a second, 256-byte blocks: 8,110 bytes = 2 s.
  Bytes b;
  text(b, "RIFF");
  le32(b, 4 + 28 + 8 + 8110);
  text(b, "WAVEfmt ");
  le32(b, 20);
  le16(b, 17);
  le16(b, 1);
  le32(b, 8000);
  le32(b, 4055);
  le16(b, 256);
  le16(b, 4);
  le16(b, 2);
  le16(b, 505);
  text(b, "data");
  le32(b, 8110);
  b.resize(b.size() + 8110, 0x11);
  auto info = orbisk::readWaveInfo(b);
  ASSERT_TRUE(info) << info.error().message;
  EXPECT_EQ(info->formatTag, 17);
  EXPECT_EQ(info->lengthMs, 2000u);
}

TEST(WaveInfo, RefusesWhatIsNoMeasurableWave) {
  EXPECT_FALSE(orbisk::readWaveInfo(Bytes{}));
  Bytes riffOnly;
  text(riffOnly, "RIFF");
  le32(riffOnly, 4);
  text(riffOnly, "WAVE");
  EXPECT_EQ(orbisk::readWaveInfo(riffOnly).error().message, "The wave has no format chunk.");
  Bytes dataFirst;
  text(dataFirst, "RIFF");
  le32(dataFirst, 12);
  text(dataFirst, "WAVEdata");
  le32(dataFirst, 0);
  EXPECT_EQ(orbisk::readWaveInfo(dataFirst).error().message, "The wave's sound data comes before its format.");
  Bytes noRate = wave(10);
  le32(noRate, 0);
  std::fill(noRate.begin() + 24, noRate.begin() + 36, 0);  // rates and block size 0
  EXPECT_EQ(orbisk::readWaveInfo(noRate).error().message, "The wave's format gives no rate to measure its length by.");
  Bytes shortFormat = wave(10);
  shortFormat[16] = 8;  // "fmt " of 8 bytes
  EXPECT_FALSE(orbisk::readWaveInfo(shortFormat));
}

// ---- MIDI timing

Bytes midiHeader(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
  Bytes b;
  text(b, "MThd");
  be32(b, 6);
  be16(b, format);
  be16(b, tracks);
  be16(b, division);
  return b;
}

TEST(MidiInfo, ArpeggioPlaysTwoSeconds) {
  auto info = orbisk::readMidiInfo(arpeggioMidi());
  ASSERT_TRUE(info) << info.error().message;
  EXPECT_EQ(info->format, 0);
  EXPECT_EQ(info->tracksRead, 1u);
  EXPECT_EQ(info->endTick, 384u);
  EXPECT_EQ(info->lengthUs, 2000000u);
  EXPECT_EQ(info->lengthMs(), 2000u);
}

TEST(MidiInfo, TempoChangesOfOneTrackTimeTheOthers) {
  // Track 1: tempo 500,000 µs a quarter at tick 0, a sequence name, tempo 250,000 at tick 192
  // (delta 0x81 0x40), the end. Track 2: a system-exclusive event, a program change and a note
  // on at tick 0, a pitch bend at 192, two more by running status at 384 and 576, the end.
  Bytes tempo;
  for (int v : {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x03, 0x02, 0x68, 0x69, 0x81, 0x40, 0xFF, 0x51,
                0x03, 0x03, 0xD0, 0x90, 0x00, 0xFF, 0x2F, 0x00})
    tempo.push_back(static_cast<std::uint8_t>(v));
  Bytes notes;
  for (int v : {0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x00, 0xC1, 0x05, 0x00, 0x91, 0x40, 0x50, 0x81, 0x40, 0xE1, 0x00,
                0x40, 0x81, 0x40, 0x00, 0x40, 0x81, 0x40, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00})
    notes.push_back(static_cast<std::uint8_t>(v));
  Bytes midi = midiHeader(1, 2, 96);
  append(midi, midiTrack(tempo));
  append(midi, midiTrack(notes));
  auto info = orbisk::readMidiInfo(midi);
  ASSERT_TRUE(info) << info.error().message;
  EXPECT_EQ(info->tracksRead, 2u);
  EXPECT_EQ(info->tempoChanges, 2u);
  EXPECT_EQ(info->endTick, 576u);
  // 192 ticks at 500,000 µs for 96 ticks = 1 s, then 384 ticks at 250,000 µs = 1 s.
  EXPECT_EQ(info->lengthUs, 2000000u);
}

TEST(MidiInfo, BrokenTracksCountUpToTheirLastWholeEventAndOtherChunksAreSkipped) {
  // Track 1: an empty system-exclusive event at 0, a note at 96, then a running-status event at
  // 112 that lacks a data byte. An unknown "XTRA" chunk. Track 2: a program change at 384
  // (delta 0x83 0x00), then a delta cut off by the end. The header promises three tracks.
  Bytes first;
  for (int v : {0x00, 0xF0, 0x00, 0x60, 0x90, 0x3C, 0x40, 0x10, 0x3C}) first.push_back(static_cast<std::uint8_t>(v));
  Bytes midi = midiHeader(1, 3, 96);
  append(midi, midiTrack(first));
  text(midi, "XTRA");
  be32(midi, 2);
  text(midi, "zz");
  Bytes second;
  for (int v : {0x83, 0x00, 0xC0, 0x01, 0xFF}) second.push_back(static_cast<std::uint8_t>(v));
  append(midi, midiTrack(second));
  auto info = orbisk::readMidiInfo(midi);
  ASSERT_TRUE(info) << info.error().message;
  EXPECT_EQ(info->tracksRead, 2u);
  EXPECT_EQ(info->endTick, 384u);
  EXPECT_EQ(info->lengthMs(), 2000u);

  // Only the first track: its last whole event is the note at 96.
  Bytes one = midiHeader(0, 1, 96);
  append(one, midiTrack(first));
  EXPECT_EQ(orbisk::readMidiInfo(one)->endTick, 96u);

  // A data byte before any status: nothing whole.
  Bytes orphan = midiHeader(0, 1, 96);
  Bytes events;
  for (int v : {0x60, 0x3C, 0x40}) events.push_back(static_cast<std::uint8_t>(v));
  append(orphan, midiTrack(events));
  EXPECT_EQ(orbisk::readMidiInfo(orphan)->endTick, 0u);
}

TEST(MidiInfo, SmpteTimeAndUnusableHeaders) {
  // 25 frames a second (0xE7 = -25), 40 ticks a frame: 1,000 ticks a second; 2,500 ticks.
  Bytes midi = midiHeader(0, 1, 0xE728);
  Bytes events;
  vlq(events, 2500);
  for (int v : {0xFF, 0x2F, 0x00}) events.push_back(static_cast<std::uint8_t>(v));
  append(midi, midiTrack(events));
  auto info = orbisk::readMidiInfo(midi);
  ASSERT_TRUE(info) << info.error().message;
  EXPECT_EQ(info->lengthUs, 2500000u);

  EXPECT_EQ(orbisk::readMidiInfo(midiHeader(0, 0, 0)).error().message, "The MIDI file's time division is 0.");
  EXPECT_EQ(orbisk::readMidiInfo(wave(4)).error().message, "The sound is no MIDI file.");
  EXPECT_EQ(orbisk::readMidiInfo(midiHeader(0, 0, 96))->lengthUs, 0u);
}

// ---- the temp folder of each running copy

TEST(PreviewFolder, EachCopyHasItsOwnFolderAndRemovesOnlyIt) {
  test::TempFolder program;
  orbisk::PreviewFolder first(program.path()), second(program.path());
  auto a = first.ensure(), b = second.ensure();
  ASSERT_TRUE(a && b);
  EXPECT_NE(*a, *b);
  EXPECT_EQ(a->parent_path(), program.path() / "OrbTemp");
  EXPECT_EQ(b->parent_path(), program.path() / "OrbTemp");
  EXPECT_EQ(*first.ensure(), *a);  // made once
  ASSERT_TRUE(base::writeFileAtomically(*a / "Temp0000.WAV", Bytes{1, 2}));
  ASSERT_TRUE(base::writeFileAtomically(*b / "Temp0000.MID", Bytes{3}));

  EXPECT_EQ(first.remove(), std::nullopt);  // the other copy's folder stays, quietly
  EXPECT_FALSE(fs::exists(*a));
  EXPECT_TRUE(fs::exists(*b / "Temp0000.MID"));
  EXPECT_EQ(second.remove(), std::nullopt);
  EXPECT_FALSE(fs::exists(program.path() / "OrbTemp"));
}

TEST(PreviewFolder, SaysSoWhenSomeoneElsesFileKeepsAFolder) {
  test::TempFolder program;
  {
    orbisk::PreviewFolder folder(program.path());
    auto own = folder.ensure();
    ASSERT_TRUE(own);
    ASSERT_TRUE(base::writeFileAtomically(*own / "Temp0000.WAV", Bytes{1}));
    ASSERT_TRUE(base::writeFileAtomically(*own / "mine.txt", Bytes{1}));
    EXPECT_EQ(folder.remove(), orbisk::tempFolderMessage(base::displayPath(*own)));
    EXPECT_FALSE(fs::exists(*own / "Temp0000.WAV"));
    EXPECT_TRUE(fs::exists(*own / "mine.txt"));
  }
  fs::remove_all(program.path() / "OrbTemp");
  orbisk::PreviewFolder folder(program.path());
  ASSERT_TRUE(folder.ensure());
  ASSERT_TRUE(base::writeFileAtomically(program.path() / "OrbTemp" / "note.txt", Bytes{1}));
  EXPECT_EQ(folder.remove(), orbisk::tempFolderMessage(base::displayPath(program.path() / "OrbTemp")));
}

// Two people, or one person's two copies, preview at once without meeting: each copy has a
// folder of its own under the user's runtime folder, and a killed copy's folder goes when the
// next copy starts.
TEST(PreviewFolder, LivesInTheUsersOwnFolderAndSweepsCopiesThatAreGone) {
#ifdef _WIN32
  GTEST_SKIP() << "process 1 running for ever (init) and folders closed with permission bits are POSIX's; "
                  "Files.NothingOfOursOutlivesTheProgram checks the sweep of gone copies there";
#endif
  test::TempFolder runtime;
  test::ScopedEnvironment variable("XDG_RUNTIME_DIR", runtime.path().string().c_str());
  const fs::path shared = runtime.path() / "brinkit" / "OrbTemp";
  const fs::path gone = shared / "copy-4194305-0123abcd", running = shared / "copy-1-89abcdef";
  fs::create_directories(gone);
  fs::create_directories(running);
  fs::path a;
  {
    orbisk::PreviewFolder first, second;
    first.sweep();
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_TRUE(fs::exists(running));
    auto made = first.ensure();
    ASSERT_TRUE(made) << made.error().message;
    a = *made;
    auto b = second.ensure();
    ASSERT_TRUE(b) << b.error().message;
    EXPECT_NE(a, *b);
    EXPECT_EQ(a.parent_path(), shared);
    EXPECT_EQ(a.filename().string().rfind("copy-" + std::to_string(base::processId()) + "-", 0), 0u);
    for (const fs::path& own : {a, shared.parent_path()}) EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
    EXPECT_EQ(first.remove(), std::nullopt);  // other copies' folders stay, quietly
    EXPECT_TRUE(fs::exists(*b));
  }
  EXPECT_FALSE(fs::exists(a));
  EXPECT_TRUE(fs::exists(running));
}

// ---- showing and saving

class PreviewFlow : public ::testing::Test {
 protected:
  // "pack.dat": filler, the 2 × 2 bitmap, filler, the RLE bitmap, filler, a one-second wave,
  // the arpeggio MIDI file, filler.
  void SetUp() override {
    pack = filler(20, 1);
    bitmapAt = pack.size();
    append(pack, plainBitmap());
    append(pack, filler(7, 2));
    rleAt = pack.size();
    append(pack, rleBitmap());
    append(pack, filler(9, 3));
    waveAt = pack.size();
    append(pack, wave(8000));
    midiAt = pack.size();
    append(pack, arpeggioMidi());
    append(pack, filler(5, 4));
    file = folder.path() / "pack.dat";
    ASSERT_TRUE(base::writeFileAtomically(file, pack));
    fs::create_directory(folder.path() / "out");
    flow.setOutputFolder(folder.path() / "out");
    flow.fileName = base::displayPath(file);
  }

  void scan(Kind kind) {
    flow.kind = kind;
    ASSERT_EQ(flow.find(), ui::Outcome::Done);
    ui.messages.clear();
  }

  Bytes slice(std::size_t at, std::size_t size) const { return Bytes(pack.begin() + at, pack.begin() + at + size); }

  test::TempFolder folder;
  ui::ScriptedUi ui;
  orbisk::Orbisk flow{ui, folder.path()};
  orbisk::PreviewFolder temp{folder.path()};
  Bytes pack;
  std::size_t bitmapAt = 0, rleAt = 0, waveAt = 0, midiAt = 0;
  fs::path file;
};

TEST_F(PreviewFlow, ShowsBitmapsAndStepsAroundTheList) {
  scan(Kind::Bitmap);
  orbisk::Preview preview(flow, temp, {});
  EXPECT_EQ(preview.neighbour(+1), std::nullopt);  // nothing shown yet
  EXPECT_FALSE(preview.show(2));
  EXPECT_EQ(preview.index(), std::nullopt);

  auto shown = preview.show(1);
  ASSERT_TRUE(shown) << shown.error().message;
  EXPECT_EQ(shown->caption, "プレビュー - pack0001.RLE");
  EXPECT_EQ(shown->kind, Kind::Bitmap);
  EXPECT_EQ(shown->bitmap, rleBitmap());
  EXPECT_FALSE(shown->sound);
  EXPECT_EQ(preview.index(), 1u);
  EXPECT_EQ(preview.neighbour(+1), 0u);
  EXPECT_EQ(preview.neighbour(-1), 0u);
  EXPECT_EQ(preview.show(0)->bitmap, plainBitmap());
  EXPECT_FALSE(temp.folder());  // bitmaps need no temp folder

  // The scanned file gone: nothing to show.
  fs::remove(file);
  EXPECT_FALSE(preview.show(1));
}

TEST_F(PreviewFlow, AWaveIsWrittenToTheTempFolderAndMeasured) {
  scan(Kind::Wave);
  orbisk::Preview preview(flow, temp, {});
  auto shown = preview.show(0);
  ASSERT_TRUE(shown) << shown.error().message;
  ASSERT_TRUE(shown->sound);
  ASSERT_TRUE(temp.folder());
  EXPECT_EQ(shown->sound->written, *temp.folder() / "Temp0000.WAV");
  EXPECT_EQ(shown->sound->playable, shown->sound->written);
  EXPECT_EQ(*base::readFile(shown->sound->written, 1 << 20), wave(8000));
  EXPECT_EQ(shown->sound->lengthMs, 1000u);
  EXPECT_EQ(shown->sound->note, "");
}

TEST_F(PreviewFlow, AMidiFileIsWrittenMeasuredAndRenderedOrSaysWhyNot) {
  scan(Kind::Midi);
  test::TempFolder empty;
  {
    orbisk::Preview preview(flow, temp, {empty.path()});
    auto shown = preview.show(0);
    ASSERT_TRUE(shown) << shown.error().message;
    EXPECT_EQ(shown->caption, "プレビュー - pack0000.MID");
    EXPECT_EQ(shown->sound->written, *temp.folder() / "Temp0000.MID");
    EXPECT_EQ(*base::readFile(shown->sound->written, 1 << 20), arpeggioMidi());
    EXPECT_EQ(shown->sound->lengthMs, 2000u);
    EXPECT_TRUE(shown->sound->playable.empty());
    EXPECT_FALSE(shown->sound->render);
    EXPECT_EQ(shown->sound->note, orbisk::noSoundFontMessage({empty.path()}));
  }
#ifdef _WIN32
  if (!base::SharedLibrary::load("fluidsynth", {3})) GTEST_SKIP() << "FluidSynth has no Windows build here: no libfluidsynth-3.dll beside the tests";
#endif
  const auto folders = orbisk::soundFontFolders({});
  if (!orbisk::findSoundFont(folders)) GTEST_SKIP() << "no General MIDI SoundFont installed";
  orbisk::Preview preview(flow, temp, folders);
  auto shown = preview.show(0);
  ASSERT_TRUE(shown) << shown.error().message;
  EXPECT_EQ(shown->sound->note, "");
  EXPECT_TRUE(shown->sound->playable.empty());  // not yet rendered
  ASSERT_TRUE(shown->sound->render);
  EXPECT_EQ(shown->sound->render->midi, arpeggioMidi());
  auto wave = orbisk::Preview::render(*shown->sound->render);
  ASSERT_TRUE(wave) << wave.error().message;
  EXPECT_EQ(*wave, *temp.folder() / "TempMidi.WAV");
  auto info = orbisk::readWaveInfo(*base::readFile(*wave, 1 << 20));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->lengthMs, 2000u);
}

TEST_F(PreviewFlow, SaveWritesTheShownResourceAndAsksBeforeReplacing) {
  scan(Kind::Bitmap);
  orbisk::Preview preview(flow, temp, {});
  EXPECT_EQ(preview.save(ui), ui::Outcome::Done);  // nothing shown: nothing to save
  ASSERT_TRUE(preview.show(1));
  EXPECT_EQ(preview.save(ui), ui::Outcome::Done);
  const fs::path target = folder.path() / "out" / "pack0001.RLE";
  EXPECT_EQ(*base::readFile(target, 1 << 20), rleBitmap());

  ASSERT_TRUE(base::writeFileAtomically(target, Bytes{'o', 'l', 'd'}));
  ui.questionAnswers = {ui::Answer::No};
  preview.save(ui);
  EXPECT_EQ(ui.questions, std::vector<std::string>{base::displayPath(target) + "\n\rはすでに存在します。上書きしますか？"});
  EXPECT_EQ(*base::readFile(target, 1 << 20), (Bytes{'o', 'l', 'd'}));
  ui.questionAnswers = {ui::Answer::Yes};
  preview.save(ui);
  EXPECT_EQ(*base::readFile(target, 1 << 20), rleBitmap());

  flow.setOutputFolder(folder.path() / "gone");
  EXPECT_EQ(preview.save(ui), ui::Outcome::Refused);
  EXPECT_EQ(ui.messages.back(), orbisk::previewNoFolderMessage(base::displayPath(folder.path() / "gone")));
}

// ---- rendering

TEST(MidiRender, TheArpeggioRendersToTwoSecondsOfSound) {
#ifdef _WIN32
  if (!base::SharedLibrary::load("fluidsynth", {3})) GTEST_SKIP() << "FluidSynth has no Windows build here: no libfluidsynth-3.dll beside the tests";
#endif
  auto soundFont = orbisk::findSoundFont(orbisk::soundFontFolders({}));
  if (!soundFont) GTEST_SKIP() << "no General MIDI SoundFont installed";
  test::TempFolder folder;
  const fs::path out = folder.path() / "arpeggio.wav";
  auto rendered = orbisk::renderMidi(arpeggioMidi(), *soundFont, out);
  ASSERT_TRUE(rendered) << rendered.error().message;
  EXPECT_EQ(rendered->frames, 88200u);
  EXPECT_EQ(rendered->lengthMs, 2000u);
  EXPECT_GT(rendered->peak, 1000);

  // The header: 16-bit stereo PCM at 44,100 Hz, 352,800 bytes of samples.
  auto bytes = base::readFile(out, 1 << 20);
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 44u + 352800u);
  Bytes header;
  text(header, "RIFF");
  le32(header, 36 + 352800);
  text(header, "WAVEfmt ");
  le32(header, 16);
  le16(header, 1);
  le16(header, 2);
  le32(header, 44100);
  le32(header, 176400);
  le16(header, 4);
  le16(header, 16);
  text(header, "data");
  le32(header, 352800);
  EXPECT_EQ(Bytes(bytes->begin(), bytes->begin() + 44), header);
  // Every half second holds a note: none is silent.
  for (std::size_t quarter = 0; quarter < 4; ++quarter) {
    int loudest = 0;
    for (std::size_t i = 44 + quarter * 88200; i < 44 + (quarter + 1) * 88200; i += 2)
      loudest = std::max(loudest, std::abs(static_cast<int>(static_cast<std::int16_t>(base::getU16(bytes->data() + i)))));
    EXPECT_GT(loudest, 500) << "quarter " << quarter;
  }
}

// Never a silent wave called done: a MIDI file cut inside its last track renders its whole
// tracks; one that plays for no time, or that the synthesiser refuses, is refused.
TEST(MidiRender, ACutMidiFileRendersItsWholeTracksAndSilenceIsNeverDone) {
#ifdef _WIN32
  if (!base::SharedLibrary::load("fluidsynth", {3})) GTEST_SKIP() << "FluidSynth has no Windows build here: no libfluidsynth-3.dll beside the tests";
#endif
  auto soundFont = orbisk::findSoundFont(orbisk::soundFontFolders({}));
  if (!soundFont) GTEST_SKIP() << "no General MIDI SoundFont installed";
  test::TempFolder folder;
  const fs::path out = folder.path() / "x.wav";
  Bytes cut = midi(3);
  cut.resize(cut.size() - 5);
  auto rendered = orbisk::renderMidi(cut, *soundFont, out);
  ASSERT_TRUE(rendered) << rendered.error().message;
  EXPECT_EQ(rendered->tracksCutShort, 1u);
  EXPECT_EQ(rendered->lengthMs, 500u);
  EXPECT_FALSE(rendered->silent());
  EXPECT_EQ(orbisk::RenderedWave{.peak = 1}.silent(), true);  // the dither alone
  fs::remove(out);

  Bytes empty = midiHeader(0, 1, 96);
  append(empty, midiTrack({0x00, 0xFF, 0x2F, 0x00}));
  // A note, then a status byte no MIDI file holds: the synthesiser refuses the whole file.
  Bytes broken = midiHeader(0, 1, 96);
  append(broken, midiTrack({0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xF4, 0x00, 0xFF, 0x2F, 0x00}));
  const std::pair<Bytes, const char*> refused[] = {
      {empty, "The MIDI file plays for no time: its tracks hold no notes."},
      {broken, "The synthesiser cannot play this MIDI file: Unrecognized MIDI event."},
      {Bytes(cut.begin(), cut.begin() + 20), "The MIDI file's only track is cut short."}};
  for (const auto& [bytes, reason] : refused) {
    auto result = orbisk::renderMidi(bytes, *soundFont, out);
    ASSERT_FALSE(result) << reason;
    EXPECT_EQ(result.error().message, reason);
  }
  EXPECT_FALSE(fs::exists(out));
}

TEST(MidiRender, RefusesWhatItCannotRenderAndWritesNothing) {
  test::TempFolder folder;
  const fs::path out = folder.path() / "x.wav";
  // Four hours: one delta of 0x0FFFFFFF ticks at one tick a quarter note.
  Bytes endless = midiHeader(0, 1, 1);
  Bytes events{0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0x00};
  append(endless, midiTrack(events));
  auto tooLong = orbisk::renderMidi(endless, "/nowhere.sf2", out);
  ASSERT_FALSE(tooLong);
  EXPECT_NE(tooLong.error().message.find("longer than an hour"), std::string::npos) << tooLong.error().message;
#ifdef _WIN32
  if (!base::SharedLibrary::load("fluidsynth", {3})) GTEST_SKIP() << "FluidSynth has no Windows build here: no libfluidsynth-3.dll beside the tests";
#endif

  auto noFont = orbisk::renderMidi(arpeggioMidi(), folder.path() / "none.sf2", out);
  ASSERT_FALSE(noFont);
  EXPECT_NE(noFont.error().message.find("Cannot load the SoundFont " + base::displayPath(folder.path() / "none.sf2")),
            std::string::npos)
      << noFont.error().message;
  EXPECT_FALSE(fs::exists(out));

  EXPECT_EQ(orbisk::findSoundFont({folder.path()}), std::nullopt);
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "Mine.SF2", Bytes{1}));
  EXPECT_EQ(orbisk::findSoundFont({folder.path()}), folder.path() / "Mine.SF2");
}

}  // namespace
