#pragma once
// Plain file writes for the generator; failures raise vantrel::Error naming the file.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel::samplegame {

void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
void MakeFolder(const std::filesystem::path& folder);
// `label` repeated until the text is `size` bytes long.
std::string RepeatToSize(std::string_view label, std::size_t size);

}  // namespace vantrel::samplegame
