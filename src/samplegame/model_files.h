#pragma once
// The six model files of the sample game, filled so that every record tells its file, its
// copy and its type index apart.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel::samplegame {

struct ModelFile {
  const char* name;
  std::size_t recordSize;
};
inline constexpr std::array<ModelFile, 6> kModelFiles{{
    {"fmparams.dat", 244},
    {"fmparam2.dat", 244},
    {"fmparam3.dat", 244},
    {"acspecs.dat", 156},
    {"acspecs2.dat", 156},
    {"acspecs3.dat", 156},
}};
inline constexpr std::size_t kModelHeaderSize = 100;
inline constexpr int kModelRecords = 256;

// Which copy a file is: the game's working copy, the support folder's stock copy or a
// patch's own copy. Each gets contents of its own, so a transfer shows where a record came from.
enum class ModelCopy { Working, Stock, Patch };

// Record `index` of `file`, e.g. "stock fmparam3.dat #017;" repeated to the record size.
std::string ModelRecord(ModelCopy copy, const ModelFile& file, int index);
// The 100-byte header, distinct per file and copy.
std::string ModelHeader(ModelCopy copy, const ModelFile& file);
// Header and 256 records, written to `path`.
void WriteModelFile(const std::filesystem::path& path, ModelCopy copy, const ModelFile& file);

}  // namespace vantrel::samplegame
