#pragma once
// The playing time of a standard MIDI file, read from its events: every track's events are
// walked (delta times, running status, meta and system-exclusive events) and the ticks up to
// the last event of the longest track are turned into time through the tempo changes.
#include <cstdint>

#include "base/bytes.hpp"
#include "base/error.hpp"

namespace orbisk {

struct MidiInfo {
  std::uint16_t format = 0;
  std::uint16_t trackCount = 0;  // as the header states
  std::uint16_t division = 0;    // ticks per quarter note, or SMPTE frames and ticks per frame
  unsigned tracksRead = 0;       // "MTrk" chunks found
  unsigned tempoChanges = 0;
  std::uint64_t endTick = 0;     // the last event of the longest track
  std::uint64_t lengthUs = 0;    // playing time in microseconds (saturated, never wraps)
  std::uint64_t lengthMs() const { return lengthUs / 1000; }
};

// Fails only when the header is unusable (no "MThd", a zero division). A track that breaks off
// (bytes missing, a data byte with no running status, an unknown status) counts up to its last
// whole event; chunks other than "MTrk" are skipped.
base::Result<MidiInfo> readMidiInfo(base::ByteSpan midi);

}  // namespace orbisk
