#include "engine/content_hash.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/file_errors.h"
#include "platform/file_length.h"
#include "platform/record_file.h"

namespace vantrel {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;
constexpr std::size_t kChunk = std::size_t{1} << 20;

std::uint64_t RotateLeft(std::uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

std::uint64_t Read64(const unsigned char* p) {
  std::uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

std::uint32_t Read32(const unsigned char* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

std::uint64_t Round(std::uint64_t lane, std::uint64_t input) {
  lane += input * kPrime2;
  return RotateLeft(lane, 31) * kPrime1;
}

std::uint64_t MergeRound(std::uint64_t hash, std::uint64_t lane) {
  hash ^= Round(0, lane);
  return hash * kPrime1 + kPrime4;
}

}  // namespace

void ContentHash::Stripe(const unsigned char* data) {
  for (int i = 0; i < 4; ++i) lanes_[i] = Round(lanes_[i], Read64(data + 8 * i));
}

void ContentHash::Add(const unsigned char* data, std::size_t size) {
  if (!started_) {
    lanes_[0] = kPrime1 + kPrime2;
    lanes_[1] = kPrime2;
    lanes_[2] = 0;
    lanes_[3] = 0 - kPrime1;
    started_ = true;
  }
  if (size == 0) return;  // an empty file's buffer may be no buffer at all
  total_ += size;
  if (pendingSize_ > 0) {
    const std::size_t take = std::min(size, sizeof pending_ - pendingSize_);
    std::memcpy(pending_ + pendingSize_, data, take);
    pendingSize_ += take;
    data += take;
    size -= take;
    if (pendingSize_ < sizeof pending_) return;
    Stripe(pending_);
    pendingSize_ = 0;
  }
  for (; size >= sizeof pending_; data += sizeof pending_, size -= sizeof pending_) Stripe(data);
  std::memcpy(pending_, data, size);
  pendingSize_ = size;
}

std::uint64_t ContentHash::Value() const {
  std::uint64_t hash = 0;
  if (total_ >= sizeof pending_) {
    hash = RotateLeft(lanes_[0], 1) + RotateLeft(lanes_[1], 7) + RotateLeft(lanes_[2], 12) + RotateLeft(lanes_[3], 18);
    for (std::uint64_t lane : lanes_) hash = MergeRound(hash, lane);
  } else {
    hash = kPrime5;
  }
  hash += total_;
  const unsigned char* p = pending_;
  std::size_t left = pendingSize_;
  for (; left >= 8; p += 8, left -= 8) hash = RotateLeft(hash ^ Round(0, Read64(p)), 27) * kPrime1 + kPrime4;
  if (left >= 4) {
    hash = RotateLeft(hash ^ (std::uint64_t{Read32(p)} * kPrime1), 23) * kPrime2 + kPrime3;
    p += 4;
    left -= 4;
  }
  for (; left > 0; ++p, --left) hash = RotateLeft(hash ^ (*p * kPrime5), 11) * kPrime1;
  hash ^= hash >> 33;
  hash *= kPrime2;
  hash ^= hash >> 29;
  hash *= kPrime3;
  hash ^= hash >> 32;
  return hash;
}

std::string HashText(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
  return text;
}

std::string HashOfBytes(std::string_view bytes) {
  ContentHash hash;
  hash.Add(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return HashText(hash.Value());
}

std::string HashOfFile(std::string_view path) {
  return NamingFile(path, [&] {
    // The length first: a record read that comes up short is an error, not the end.
    const std::uint64_t length = platform::FileLength(path);
    platform::RecordFile file(path, platform::RecordFile::Mode::ReadOnly);
    // No bigger than the file: most of the game's files are small, and a buffer is cleared whole.
    std::vector<unsigned char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, length)));
    ContentHash hash;
    hash.Add(buffer.data(), 0);
    for (std::uint64_t done = 0; done < length;) {
      const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, length - done));
      file.ReadAt(done, buffer.data(), size);
      hash.Add(buffer.data(), size);
      done += size;
    }
    file.Close();
    return HashText(hash.Value());
  });
}

}  // namespace vantrel
