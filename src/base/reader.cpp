#include "base/reader.hpp"

#include <algorithm>
#include "base/strcat.hpp"

namespace base {

Result<void> Reader::need(std::size_t count, std::string_view what) const {
  if (fits(data_, pos_, count)) return {};
  return fail(strcat("The ", what, " at offset ", pos_, " runs past the end of the data (", data_.size(), " bytes)."));
}

Result<void> Reader::seek(std::size_t position, std::string_view what) {
  if (position > data_.size())
    return fail(strcat("The ", what, " at offset ", position, " lies past the end of the data (", data_.size(), " bytes)."));
  pos_ = position;
  return {};
}

Result<void> Reader::skip(std::size_t count, std::string_view what) {
  if (auto ok = need(count, what); !ok) return ok;
  pos_ += count;
  return {};
}

Result<std::uint8_t> Reader::u8(std::string_view what) {
  if (auto ok = need(1, what); !ok) return std::unexpected(ok.error());
  return data_[pos_++];
}

Result<std::uint16_t> Reader::u16(std::string_view what) {
  if (auto ok = need(2, what); !ok) return std::unexpected(ok.error());
  auto v = getU16(data_.data() + pos_);
  pos_ += 2;
  return v;
}

Result<std::uint32_t> Reader::u24(std::string_view what) {
  if (auto ok = need(3, what); !ok) return std::unexpected(ok.error());
  auto v = getU24(data_.data() + pos_);
  pos_ += 3;
  return v;
}

Result<std::uint32_t> Reader::u32(std::string_view what) {
  if (auto ok = need(4, what); !ok) return std::unexpected(ok.error());
  auto v = getU32(data_.data() + pos_);
  pos_ += 4;
  return v;
}

Result<std::uint16_t> Reader::u16be(std::string_view what) {
  if (auto ok = need(2, what); !ok) return std::unexpected(ok.error());
  auto v = getU16Be(data_.data() + pos_);
  pos_ += 2;
  return v;
}

Result<std::uint32_t> Reader::u32be(std::string_view what) {
  if (auto ok = need(4, what); !ok) return std::unexpected(ok.error());
  auto v = getU32Be(data_.data() + pos_);
  pos_ += 4;
  return v;
}

Result<ByteSpan> Reader::bytes(std::size_t count, std::string_view what) {
  if (auto ok = need(count, what); !ok) return std::unexpected(ok.error());
  auto span = data_.subspan(pos_, count);
  pos_ += count;
  return span;
}

Result<std::string> Reader::zeroTerminated(std::string_view what) {
  auto rest = data_.subspan(std::min(pos_, data_.size()));
  auto zero = std::find(rest.begin(), rest.end(), std::uint8_t{0});
  if (zero == rest.end())
    return fail(strcat("The ", what, " at offset ", pos_, " has no terminating zero."));
  std::string text(rest.begin(), zero);
  pos_ += text.size() + 1;
  return text;
}

Result<std::uint16_t> readU16(ByteSpan data, std::size_t at, std::string_view what) {
  Reader r(data, at);
  if (at > data.size()) return fail(strcat("The ", what, " at offset ", at, " lies past the end of the data."));
  return r.u16(what);
}

Result<std::uint32_t> readU32(ByteSpan data, std::size_t at, std::string_view what) {
  Reader r(data, at);
  if (at > data.size()) return fail(strcat("The ", what, " at offset ", at, " lies past the end of the data."));
  return r.u32(what);
}

Result<std::uint16_t> readU16Be(ByteSpan data, std::size_t at, std::string_view what) {
  Reader r(data, at);
  if (at > data.size()) return fail(strcat("The ", what, " at offset ", at, " lies past the end of the data."));
  return r.u16be(what);
}

Result<std::uint32_t> readU32Be(ByteSpan data, std::size_t at, std::string_view what) {
  Reader r(data, at);
  if (at > data.size()) return fail(strcat("The ", what, " at offset ", at, " lies past the end of the data."));
  return r.u32be(what);
}

}  // namespace base
