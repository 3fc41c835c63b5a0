#include "cmdshell/command_context.h"

#include <algorithm>

#include "cmdshell/line_parser.h"
#include "cmdshell/shell_texts.h"
#include "platform/names.h"

namespace vantrel::cmdshell {

void WriteLine(std::ostream& out, std::string_view text) { out << text << kNewLine; }

bool CommandWords::Has(std::string_view letter) const {
  return std::any_of(switches.begin(), switches.end(),
                     [&](const std::string& s) { return platform::SameNameIgnoringCase(s, letter); });
}

CommandWords ReadCommandWords(std::string_view arguments, std::initializer_list<std::string_view> known) {
  CommandWords words;
  for (std::string& word : SplitWords(arguments)) {
    if (word.front() != '/') {
      words.names.push_back(std::move(word));
      continue;
    }
    const std::string letter = word.substr(1);
    if (std::none_of(known.begin(), known.end(),
                     [&](std::string_view k) { return platform::SameNameIgnoringCase(k, letter); })) {
      throw Error(kInvalidSwitch + word);
    }
    words.switches.push_back(letter);
  }
  return words;
}

}  // namespace vantrel::cmdshell
