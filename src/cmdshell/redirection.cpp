#include "cmdshell/redirection.h"

#include "platform/names.h"
#include "platform/text_file.h"

namespace vantrel::cmdshell {

namespace {

bool IsNullDevice(std::string_view name) { return platform::SameNameIgnoringCase(name, "NUL"); }

}  // namespace

std::ostream** RedirectedHandles::Handle(int number) {
  if (number == 1) return &out_;
  if (number == 2) return &err_;
  return nullptr;
}

void RedirectedHandles::Apply(const Redirection& redirection) {
  if (redirection.handle == 0) {
    std::string text;
    if (!IsNullDevice(redirection.target)) {
      for (const std::string& line : platform::ReadTextLines(redirection.target)) text += line + "\n";
    }
    input_ = std::make_unique<TextInput>(std::move(text));
    in_ = input_.get();
    return;
  }
  std::ostream** handle = Handle(redirection.handle);
  if (redirection.duplicateOf >= 0) {
    std::ostream** source = Handle(redirection.duplicateOf);
    if (handle && source) *handle = *source;
    return;
  }
  std::ostream* sink = &discard_;
  if (!IsNullDevice(redirection.target)) sink = &files_.emplace_back(redirection.target, redirection.append).text;
  if (handle) *handle = sink;
}

void RedirectedHandles::Finish() {
  for (FileSink& sink : files_) {
    sink.file.Write(sink.text.view());
    sink.file.Close();
  }
}

}  // namespace vantrel::cmdshell
