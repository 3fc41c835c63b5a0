// What vantrel-cli.exe carries besides its code, read back from the built program the way
// Explorer and the loader read it: the version resource, the manifest and the icon.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/win32_text.h"
#include "vantrel_version.h"
#include "win32ui/resources/resource_ids.h"

namespace vantrel {
namespace {

using platform::detail::Utf8;
using platform::detail::Wide;

std::string ProgramPath() { return platform::OwnFolder() + "\\vantrel-cli.exe"; }

// The project's version as the four numbers of a Windows version, missing ones 0.
std::vector<unsigned> VersionNumbers() {
  std::vector<unsigned> numbers;
  std::istringstream parts{std::string(kVersion)};
  for (std::string part; std::getline(parts, part, '.');) numbers.push_back(static_cast<unsigned>(std::stoul(part)));
  numbers.resize(4, 0);
  return numbers;
}

class VersionResource : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring path = Wide(ProgramPath());
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource in " << ProgramPath();
    block_.resize(size);
    ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, size, block_.data()));
  }

  std::string Text(const char* name) {
    const std::wstring key = L"\\StringFileInfo\\040904B0\\" + Wide(name);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block_.data(), key.c_str(), &value, &length) || length == 0) return "(missing)";
    return Utf8(static_cast<const wchar_t*>(value));
  }

  std::vector<char> block_;
};

TEST_F(VersionResource, NumbersAreTheProjectVersion) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(block_.data(), L"\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const std::vector<unsigned> v = VersionNumbers();
  EXPECT_EQ(fixed->dwFileVersionMS, (v[0] << 16) | v[1]);
  EXPECT_EQ(fixed->dwFileVersionLS, (v[2] << 16) | v[3]);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionResource, TextsNameTheProgramAndItsVersion) {
  const struct {
    const char* name;
    std::string want;
  } texts[] = {
      {"ProductName", "Vantrel"},
      {"FileDescription", "Vantrel command line"},
      {"OriginalFilename", "vantrel-cli.exe"},
      {"InternalName", "vantrel-cli"},
      {"FileVersion", std::string(kVersion)},
      {"ProductVersion", std::string(kVersion)},
  };
  for (const auto& text : texts) EXPECT_EQ(Text(text.name), text.want) << text.name;
}

// The program loaded as data: its resources without running it.
class ProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = ::LoadLibraryExW(Wide(ProgramPath()).c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << ::GetLastError();
  }
  void TearDown() override {
    if (module_ != nullptr) ::FreeLibrary(module_);
  }

  // Both are numbers, so the narrow call finds the same resource as the wide one.
  std::string Bytes(int id, const char* type) {
    HRSRC found = ::FindResourceA(module_, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) return {};
    HGLOBAL loaded = ::LoadResource(module_, found);
    return std::string(static_cast<const char*>(::LockResource(loaded)), ::SizeofResource(module_, found));
  }

  HMODULE module_ = nullptr;
};

TEST_F(ProgramResources, ManifestAsksForWhatTheProgramsNeed) {
  const std::string manifest = Bytes(1, RT_MANIFEST);
  ASSERT_FALSE(manifest.empty()) << "no manifest";
  const std::vector<unsigned> v = VersionNumbers();
  const std::string dotted = std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
                             std::to_string(v[3]);
  for (const std::string& part : {
           std::string("name=\"Vantrel.vantrel-cli\" version=\"") + dotted + "\"",
           std::string("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
           std::string("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
           std::string("<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"),  // Windows 10 and 11
           std::string("<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>"),  // 8.1
           std::string("<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>"),  // 8
           std::string("<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"),  // 7
           std::string("WindowsSettings\">true/pm</dpiAware>"),
           std::string("WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"),
       }) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
  // The process code page stays the user's: texts reach Win32 as UTF-16 anyway.
  EXPECT_EQ(manifest.find("<activeCodePage"), std::string::npos);
}

// A group icon: a header of three 16-bit numbers, then 14 bytes for each picture, its width
// first (0 meaning 256).
TEST_F(ProgramResources, IconHasEverySizeWindowsAsksFor) {
  const std::string group = Bytes(VANTREL_ICON, RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6u) << "no icon";
  const auto word = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(group[at]) | static_cast<unsigned char>(group[at + 1]) << 8);
  };
  ASSERT_EQ(word(2), 1u);  // icons, not cursors
  const unsigned count = word(4);
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::set<unsigned> widths;
  for (unsigned i = 0; i < count; ++i) {
    const unsigned width = static_cast<unsigned char>(group[6 + 14 * i]);
    widths.insert(width == 0 ? 256 : width);
    EXPECT_EQ(word(6 + 14 * i + 6), 32u) << "bits per pixel of picture " << i;
  }
  for (unsigned size : {16u, 24u, 32u, 48u, 256u}) EXPECT_EQ(widths.count(size), 1u) << size;
}

// The loader reads the manifest when it starts the program; one it cannot parse stops it.
TEST(ProgramStart, StartsWithItsManifest) {
  EXPECT_EQ(platform::RunProgramAndWait(ProgramPath(), {"--version"}, platform::ConsoleOutput::ToErrorStream), 0);
}

}  // namespace
}  // namespace vantrel
