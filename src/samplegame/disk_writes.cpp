#include "samplegame/disk_writes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "platform/errors.h"

namespace vantrel::samplegame {

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) throw Error("cannot create " + file.string() + ": " + std::strerror(errno));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Error("cannot write " + file.string() + ": " + std::strerror(errno));
}

void MakeFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw Error("cannot create the folder " + folder.string() + ": " + ec.message());
}

std::string RepeatToSize(std::string_view label, std::size_t size) {
  std::string text;
  text.reserve(size + label.size());
  while (text.size() < size) text += label;
  text.resize(size);
  return text;
}

}  // namespace vantrel::samplegame
