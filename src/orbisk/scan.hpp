#pragma once
// The resource scan: finds the bitmaps, wave sounds or MIDI files embedded in any file.
//
// The findings are those of a search that reads the file in 256-byte windows, tests every
// position where the whole signature fits in the window, carries a partial signature at a
// window's end over to the next window, and restarts after each candidate by the kind's rule
// (start + size after an accepted one, start + 2 after a rejected bitmap, start + 12 after a
// rejected MIDI header). This implementation searches the whole mapped file with memchr for
// the signature's first byte; the tests hold it to the window-by-window search.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "base/files.hpp"
#include "ui/ui.hpp"

namespace orbisk {

enum class Kind { Bitmap, Wave, Midi };

// "BITMAP", "WAVE", "MIDI": the kind list's lines, in the order of Kind.
std::string_view kindName(Kind kind);
// "bitmap", "wave", "midi": the command line's --kind values and the JSON "kind".
std::string_view kindWord(Kind kind);

struct Resource {
  std::uint64_t start = 0;  // offset of the first byte in the scanned file
  std::uint64_t size = 0;   // as the header states it; may run past the file's end (wave)
  std::string name;         // "samp0002.BMP"; ".BMP", ".RLE", ".WAV" or ".MID"
  Kind kind = Kind::Bitmap;
  // Offset of the last byte (start + size - 1); every accepted size is at least 8 (a wave's
  // own header; a bitmap's is at least 54, a MIDI file's 14).
  std::uint64_t end() const { return start + size - 1; }
  bool operator==(const Resource&) const = default;
};

// The naming rule: the scanned file's name (no folder) up to its first "." when that "." is
// the 2nd to 4th character, its first 4 characters when there is no "." or it comes later,
// nothing when the name starts with "."; then the sequence number as four digits ("%.4d") and
// the extension (".BMP" …); the whole cut to 12 characters.
std::string resourceName(std::string_view scannedFileName, std::size_t sequence, std::string_view extension);

// One list line: name, tab, start in upper-case hex (at least 8 digits), tab, end likewise,
// tab, size with "," between groups of three, right-aligned in 10 (a longer one shown whole).
std::string listLine(const Resource& resource);

// A scan reports progress (bytes scanned / file size) and asks whether to stop from the thread
// it runs on (a worker thread in the window), every few megabytes and after each finding,
// never per byte.
struct ScanResult {
  std::vector<Resource> resources;  // in the order found
  bool stopped = false;             // STOP ended the scan early; resources holds those found so far
  std::uint64_t fileSize = 0;
  std::optional<base::FileStamp> stamp;  // the file as scanFile mapped it: a save checks it is still so
};

// Scans bytes already in memory; fileName gives the resources' names. Never fails.
ScanResult scanBytes(base::ByteSpan data, std::string_view fileName, Kind kind, ui::Progress& progress = ui::noProgress());

// Maps the file read-only and scans it. Fails (with a message naming the file) when the file
// does not exist or cannot be read, or when it changed while it was scanned (it shrank, grew
// or was written): "FILE changed while it was being scanned."
base::Result<ScanResult> scanFile(const std::filesystem::path& file, Kind kind, ui::Progress& progress = ui::noProgress());

// The signature tests, exposed for the tests: each takes the whole file and a candidate offset
// and reads the bytes it needs wherever they lie (a test needing bytes past the end rejects).
// bitmapSize / midiSize return the accepted resource's size, 0 when the candidate is rejected.
std::uint64_t bitmapSize(base::ByteSpan data, std::uint64_t at);
bool bitmapCompressed(base::ByteSpan data, std::uint64_t at);  // the compression field is not 0
bool waveCandidate(base::ByteSpan data, std::uint64_t at);     // "RIFF" … "WAVE"
std::uint64_t waveSize(base::ByteSpan data, std::uint64_t at);  // u32 at +4, plus 8 (64-bit)
bool midiCandidate(base::ByteSpan data, std::uint64_t at);     // "MThd", length 6, format 0–2
std::uint64_t midiSize(base::ByteSpan data, std::uint64_t at);

}  // namespace orbisk
