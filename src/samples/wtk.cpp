#include "samples/wtk.hpp"

#include <bit>
#include <cstring>

#include "base/codepage.hpp"
#include "base/file_io.hpp"

namespace samples {

namespace {

void putSingle(base::Bytes& out, std::size_t at, float value) { base::putU32(out.data() + at, std::bit_cast<std::uint32_t>(value)); }

void putText(base::Bytes& out, std::size_t at, const std::string& text) {
  std::memcpy(out.data() + at, text.data(), text.size());
}

std::size_t nameOffset(WtkMarker marker) { return marker == WtkMarker::FormA ? 11 : 10; }

}  // namespace

std::size_t wtkKindOffset(const std::vector<WtkFish>& fish, std::size_t n) {
  return kWtkHeaderSize + n * kWtkRecordSpan + nameOffset(fish[n].marker);
}

base::Bytes makeWtk(const std::vector<WtkFish>& fish) {
  base::Bytes out(kWtkHeaderSize + fish.size() * kWtkRecordSpan + 64, 0);
  putText(out, 0, "WTK sample tank");
  for (std::size_t n = 0; n < fish.size(); ++n) {
    const auto& f = fish[n];
    const std::size_t i = kWtkHeaderSize + n * kWtkRecordSpan;
    // Single 1.0 ends in 80 3F; the marker's last bytes tell the record forms apart.
    out[i] = 0x80, out[i + 1] = 0x3F;
    if (f.marker == WtkMarker::First) out[i + 2] = 0x07, out[i + 6] = 1;
    if (f.marker == WtkMarker::FormA) out[i + 2] = 0x02;
    if (f.marker == WtkMarker::FormB) out[i + 6] = 1;
    const std::size_t k = i + nameOffset(f.marker);
    putText(out, k, f.kind);
    putText(out, k + f.kind.size() + 1, f.second);
    putText(out, k + f.kind.size() + 1 + f.second.size() + 5, f.nickname);
    const std::size_t b = k + kWtkBaseDistance;
    // Non-zero bytes before the base, so that a female's 9C FF FF FF is not also read as the
    // egg pattern 00 nz nz FF FF.
    out[b - 4] = out[b - 3] = out[b - 2] = out[b - 1] = 1;
    switch (f.sex) {
      case WtkSex::Male: base::putU32(out.data() + b, 100); break;
      case WtkSex::Female: base::putU32(out.data() + b, static_cast<std::uint32_t>(-100)); break;
      case WtkSex::Egg: out[b - 1] = 0, out[b] = 0x12, out[b + 1] = 0x34, out[b + 2] = 0xFF, out[b + 3] = 0xFF; break;
      case WtkSex::Neither: base::putU32(out.data() + b, 50); break;
    }
    if (f.sex != WtkSex::Egg) base::putU32(out.data() + b + 4, f.ageMinutes);
    out[b + 8] = 0x5A;  // fields the game keeps and an edit clears
    putSingle(out, b + 20, 42), putSingle(out, b + 24, 42), putSingle(out, b + 28, 42), putSingle(out, b + 32, 42);
    base::putU32(out.data() + b + 44, static_cast<std::uint32_t>(f.eggs));
    out[b + 116] = 0x11, out[b + 120] = 0x22;
    putSingle(out, b + 124, f.health);
    putSingle(out, b + 128, f.capacity);
    putSingle(out, b + 132, f.fullness);
    putSingle(out, b + 140, f.power);
    putSingle(out, b + 144, f.courage);
    putSingle(out, b + 148, f.colour);
    putSingle(out, b + 152, 3.5f), putSingle(out, b + 156, 7.25f), putSingle(out, b + 160, 7.25f);
    base::putU32(out.data() + b + 185, 0xDEADBEEF);
  }
  return out;
}

base::Result<base::Bytes> sampleWtk() {
  auto nickname = base::toCodePage("ネオン", base::CodePage::Cp932);
  if (!nickname) return std::unexpected(nickname.error());
  std::vector<WtkFish> fish = {
      {WtkMarker::First, "NEONTETRA", "tetra", *nickname, WtkSex::Male, 30 * 1440, 87.5f, 8, 6, 40.25f, 60, 1.5f, 0},
      {WtkMarker::FormA, "CARDINALFISH", "tetra", "Rosa", WtkSex::Female, 12 * 1440 + 720, 99, 10, 2.5f, 20, 80, 2, 0},
      {WtkMarker::FormB, "neon", "unknown", "", WtkSex::Male, 0, 0, 0, 0, 0, 0, 0, 0},
      {WtkMarker::FormB, "GREENNEON", "tetra", "Midori", WtkSex::Male, 400 * 1440, 55.125f, 8, 4, 70, 30, 3, 0},
      {WtkMarker::FormB, "angelfish", "cichlid", "", WtkSex::Egg, 0, 0, 0, 0, 0, 0, 0, 100},
      {WtkMarker::FormA, "KUMANOMI", "clown", "", WtkSex::Egg, 0, 0, 0, 0, 0, 0, 0, 37},
      {WtkMarker::FormB, "PANDA", "cory", "Pan", WtkSex::Neither, 5 * 1440, 70, 8, 8, 10, 10, 0, 0},
      {WtkMarker::FormA, "golden_butterfly", "wrasse", "Kin", WtkSex::Female, 2 * 1440, 100, 8, 4, 100, 100, 4, 0},
  };
  return makeWtk(fish);
}

base::Result<void> writeWtk(const std::filesystem::path& path) {
  auto tank = sampleWtk();
  if (!tank) return std::unexpected(tank.error());
  return base::writeFileAtomically(path, *tank);
}

}  // namespace samples
