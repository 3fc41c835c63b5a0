// A look that cannot be made is told from one that finds nothing, and only regular files
// are read. A loop of links fails every look through it, for root too; a pipe, a socket
// and a device stand where a file is expected.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/record_file.h"
#include "platform/search.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;
using vantrel::testing::TempDir;

struct Look {
  const char* what;
  std::function<void()> action;
};

// The error `action` raised; fails the test when it raised none.
InOutError Raised(const std::function<void()>& action) {
  try {
    action();
  } catch (const InOutError& error) {
    return error;
  }
  ADD_FAILURE() << "no error raised";
  return InOutError(0);
}

TEST(CouldNotLook, ALoopOfLinksOnThePathRaisesNamingIt) {
  TempDir dir;
  fs::create_symlink("loop", dir.path() / "loop");
  dir.mkdir("game");
  dir.write("game/rb.vol", "archive");
  fs::create_symlink("Loop", dir.path() / "game/Loop");
  const Look kLooks[] = {
      {"a file's existence", [] { FileExists("loop\\rb.vol"); }},
      {"a folder's existence", [] { DirectoryExists("loop\\Camel"); }},
      {"the link itself", [] { FileExists("loop"); }},
      {"a file's state", [] { StateOf("loop\\rb.vol"); }},
      {"a search", [] { FindEntries("loop\\*.aop", Admit::Files); }},
      {"a plain name's search", [] { FindFirstName("loop\\0305.aop", Admit::Files); }},
      {"a search of a folder holding the loop", [] { FindEntries("game\\*", Admit::Everything); }},
      {"a name found in another letter case", [] { ResolvePath("GAME\\LOOP\\rb.vol"); }},
      {"a copy's target", [] { CopyFileKeepTime("game\\rb.vol", "loop\\rb.vol"); }},
  };
  for (const Look& look : kLooks) {
    SCOPED_TRACE(look.what);
    const InOutError error = Raised(look.action);
    EXPECT_EQ(error.code(), InOutError::CodeForErrno(ELOOP));
    std::string named = error.file();
    for (char& c : named) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(named.find("loop"), std::string::npos) << error.what();
  }
}

// One end of a pipe with no writer, a socket and a device, each where a file is expected.
void LaySpecialFiles(const TempDir& dir) {
  ASSERT_EQ(::mkfifo((dir.path() / "pipe.dat").c_str(), 0666), 0);
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = (dir.path() / "socket.dat").string();
  ASSERT_LT(path.size(), sizeof address.sun_path);
  path.copy(address.sun_path, path.size());
  ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(sock);
  fs::create_symlink("/dev/null", dir.path() / "device.dat");
}

TEST(OnlyRegularFilesAreRead, APipeASocketOrADeviceIsRefusedAtOnce) {
  TempDir dir;
  LaySpecialFiles(dir);
  dir.write("file.dat", "bytes");
  const std::function<void(const std::string&)> kReaders[] = {
      [](const std::string& name) { RecordFile(name, RecordFile::Mode::ReadOnly); },
      [](const std::string& name) { RecordFile(name, RecordFile::Mode::ReadWrite); },
      [](const std::string& name) { ReadTextLines(name); },
      [](const std::string& name) { CopyFileKeepTime(name, "copy.dat"); },
  };
  for (const char* name : {"pipe.dat", "SOCKET.DAT", "device.dat"}) {
    for (std::size_t reader = 0; reader < std::size(kReaders); ++reader) {
      SCOPED_TRACE(std::string(name) + ", reader " + std::to_string(reader));
      auto refused = std::async(std::launch::async, [&] { return Raised([&] { kReaders[reader](name); }); });
      if (refused.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "still waiting after 5 s";
        // A writer that comes and goes lets the waiting reader go on.
        ::close(::open((dir.path() / "pipe.dat").c_str(), O_WRONLY | O_NONBLOCK));
      }
      const InOutError error = refused.get();
      EXPECT_EQ(error.code(), 5);
      EXPECT_EQ(error.file(), name) << error.what();
      EXPECT_FALSE(dir.exists("copy.dat"));
    }
  }
  EXPECT_TRUE(FileExists("pipe.dat")) << "what is not a folder counts as a file, to be refused when read";
}

}  // namespace
}  // namespace vantrel::platform
