#pragma once
// The build of a fish file through the work folder: the library's entries are unpacked there,
// each frame bitmap is encoded into a frame record there, the records are gathered into the
// four animation sets, and the fish file is assembled from the folder's entries.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/fish_assembly.hpp"
#include "ui/ui.hpp"

namespace finwright {

// Every file the build reads must fit the builder's work buffer.
constexpr std::size_t kWorkBufferSize = 1'000'001;
constexpr std::size_t kFrames = 144;

// Unpacks every entry of the library into the work folder. Refuses a library that does not
// start with "Fish" ("Library File differs"), one that is cut short, and one with an entry name
// that could write outside the work folder.
base::Result<void> extractLibrary(const std::filesystem::path& library, const std::filesystem::path& work);

// The frame record of one frame bitmap: an uncompressed, 8-bit, bottom-up bitmap whose width
// and height fit 16-bit signed fields and whose file holds all of its rows.
base::Result<base::Bytes> encodeFrameBitmap(base::ByteSpan bitmap);

// Frame n's bitmap ("0012.bmp" in the image folder) as the build reads it: one that is missing
// or not a plain file is refused with "There is not a image file.", one larger than the work
// buffer with the reason.
base::Result<base::Bytes> readFrameBitmap(const std::filesystem::path& imageFolder, std::size_t n);

// The build's verdict on frame n's bitmap: its frame record, or the message that refuses it
// ("The frame … cannot be used: …").
base::Result<base::Bytes> encodeFrame(const std::filesystem::path& imageFolder, std::size_t n, base::ByteSpan bitmap);

// Encodes "0000.bmp" … "0143.bmp" of the image folder into "0000" … "0143" in the work
// folder. A frame that is missing or not a plain file ends it with "There is not a image
// file."; a malformed one with a message naming it. Progress counts the frames; Stop ends it
// between frames, and it returns false.
base::Result<bool> encodeFrames(const std::filesystem::path& imageFolder, const std::filesystem::path& work,
                                ui::Progress& progress = ui::noProgress());

// "008.dat" … "011.dat" from the frame records: 8, 6, 2 and 2 animations of 8 frames.
base::Result<void> buildAnimationSets(const std::filesystem::path& work);

// The fish file from the work folder's "top.dat", "back.dat" and "001.dat" … "065.dat".
base::Result<base::Bytes> assembleFromWorkFolder(const std::filesystem::path& work, std::uint16_t resourceNumber,
                                                 const fishfile::FishTexts& texts);

}  // namespace finwright
