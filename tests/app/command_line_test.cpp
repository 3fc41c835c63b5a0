// The window program's own arguments, those Qt left over.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace vantrel::app {
namespace {

TEST(FolderArgument, NoneOrOneFolderAndNothingElse) {
  EXPECT_EQ(FolderArgument({}), "");
  EXPECT_EQ(FolderArgument({"game/Simpatch"}), "game/Simpatch");
  EXPECT_EQ(FolderArgument({"-"}), "-");  // a folder named "-" is a folder, as in other programs

  const std::vector<std::vector<std::string>> mistakes = {{"one", "two"}, {"-x"}, {"game", "--verbose"}, {""}};
  for (const auto& args : mistakes) {
    EXPECT_THROW(FolderArgument(args), UsageError) << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace vantrel::app
