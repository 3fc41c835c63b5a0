#pragma once
// The handles of one command after its redirections. Files are checked before the command
// runs, as cmd does, and receive its output, whole, when it is done.
#include <list>
#include <memory>
#include <ostream>
#include <sstream>

#include "cmdshell/console.h"
#include "cmdshell/line_parser.h"
#include "cmdshell/output_file.h"

namespace vantrel::cmdshell {

class RedirectedHandles {
 public:
  RedirectedHandles(std::ostream& out, std::ostream& err, InputSource& in) : out_(&out), err_(&err), in_(&in) {}

  // Raises InOutError or Error with cmd's text when the file cannot be had; the command
  // must then not run.
  void Apply(const Redirection& redirection);
  // Writes what the command wrote into its files and closes them; raises InOutError.
  void Finish();

  std::ostream& out() { return *out_; }
  std::ostream& err() { return *err_; }
  InputSource& in() { return *in_; }

 private:
  struct FileSink {
    FileSink(std::string_view name, bool append) : file(OpenOutputFile(name, append)) {}
    platform::WholeFileWriter file;
    std::ostringstream text;
  };
  std::ostream** Handle(int number);

  std::ostream* out_;
  std::ostream* err_;
  InputSource* in_;
  std::list<FileSink> files_;  // list: the handles point into it
  std::ostream discard_{nullptr};  // NUL, and handles above 2
  std::unique_ptr<TextInput> input_;
};

}  // namespace vantrel::cmdshell
