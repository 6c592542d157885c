// The preview's readers of wave and MIDI headers on any bytes: the first byte picks the reader.
// Whatever they accept must lie inside the bytes given and be measured without overflow.
#include <cstdlib>

#include "orbisk/midi_info.hpp"
#include "orbisk/wave_info.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  base::ByteSpan bytes(data + 1, size - 1);
  if (data[0] % 2 == 0) {
    auto wave = orbisk::readWaveInfo(bytes);
    if (wave && (wave->dataOffset > bytes.size() || wave->dataBytes > bytes.size() - wave->dataOffset)) std::abort();
  } else {
    auto midi = orbisk::readMidiInfo(bytes);
    if (midi && midi->tracksRead > midi->trackCount) std::abort();
  }
  return 0;
}
