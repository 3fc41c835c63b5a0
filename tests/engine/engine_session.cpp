#include "engine_session.h"

#include <gtest/gtest.h>

#include "catalogue/scan.h"
#include "platform/process.h"
#include "rbext/run_shell.h"

namespace vantrel::testing {

EngineSession::EngineSession() {
  KeepShellsOffTerminals();
  s.shellProgram = QuietShell();
  s.showMessage = [this](const std::string& text) { messages.push_back(text); };
  FillDestinationSlots(s.cat);
}

void EngineSession::SelectPatch(const std::string& line) {
  s.cat.ListBox1.Append(line);
  s.cat.ListBox1.Select(*s.cat.ListBox1.FindIgnoringCase(line));
}

void EngineSession::SelectSlot(std::string_view code) {
  const auto& items = s.cat.ListBox2.Items();
  for (int i = 0; i < s.cat.ListBox2.Count(); ++i) {
    if (items[static_cast<std::size_t>(i)].starts_with(code)) {
      s.cat.ListBox2.Select(i);
      return;
    }
  }
  ADD_FAILURE() << "no slot " << code;
}

void EngineSession::SelectActive(const std::string& entry) {
  s.cat.ListBox3.Append(entry);
  s.cat.ListBox3.Select(*s.cat.ListBox3.FindIgnoringCase(entry));
}

int RunScript(const std::string& scriptName) {
  KeepShellsOffTerminals();
  return platform::RunProgramAndWait(ShellExecutableFor("cmd"), {"/C", scriptName});
}

JobOutcome RunJob(const JobPlan& plan) { return CheckJobOutcome(plan, RunScript(plan.script) == 0); }

}  // namespace vantrel::testing
