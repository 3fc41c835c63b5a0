#include "cmdshell/output_file.h"

#include "cmdshell/shell_paths.h"
#include "cmdshell/shell_texts.h"
#include "platform/errors.h"

namespace vantrel::cmdshell {

platform::WholeFileWriter OpenOutputFile(std::string_view name, bool append) {
  if (!IsWellFormedName(name, false) || EndsWithSeparator(name)) throw Error(kBadName);
  const NameOnDisk target = LookUpName(name);
  RefuseReadOnly(target);
  if (target.directory) throw InOutError(5);
  return platform::WholeFileWriter(name, append ? platform::FileWriter::Mode::Append : platform::FileWriter::Mode::Replace);
}

}  // namespace vantrel::cmdshell
