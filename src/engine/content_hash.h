#pragma once
// What tells one version of a file from another in the ledger: a 64-bit hash of its bytes
// (the XXH64 function, seed 0), written as 16 lower-case hexadecimal digits. It is there to
// notice a game update or a hand edit, not to stand against an attacker, and it must keep
// up with copying a game archive of half a gigabyte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

class ContentHash {
 public:
  void Add(const unsigned char* data, std::size_t size);
  std::uint64_t Value() const;

 private:
  void Stripe(const unsigned char* data);
  std::uint64_t lanes_[4];
  unsigned char pending_[32];
  std::size_t pendingSize_ = 0;
  std::uint64_t total_ = 0;
  bool started_ = false;
};

std::string HashText(std::uint64_t value);
std::string HashOfBytes(std::string_view bytes);
// The hash of the file's bytes; raises InOutError naming it.
std::string HashOfFile(std::string_view path);

}  // namespace vantrel
