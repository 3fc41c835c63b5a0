#include "engine/job_log.h"

#include <ctime>

#include "engine/file_errors.h"
#include "engine/support_folder.h"
#include "platform/file_writer.h"
#include "platform/files.h"

namespace vantrel {

namespace {

// The console's own line ends are kept; the log's lines end as the job script's do.
std::string Section(std::string_view heading, std::string_view body) {
  std::string text = "--- " + std::string(heading) + "\r\n" + std::string(body);
  if (!body.empty() && body.back() != '\n') text += "\r\n";
  return text;
}

}  // namespace

std::string JobTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string JobLogFile() { return std::string(kSupportFolder) + "vantrel-jobs.log"; }

bool AppendToJobLog(std::string_view script, std::string_view scriptText, std::string_view steps,
                    std::string_view console, std::string_view outcome) {
  if (!platform::DirectoryExists(kSupportFolder)) return false;
  const std::string entry = "=== " + JobTime() + "  " + std::string(script) + "\r\n" + Section("script", scriptText) +
                            (steps.empty() ? "" : Section("steps", steps)) + Section("console", console) +
                            Section("outcome", outcome) + "\r\n";
  const std::string file = JobLogFile();
  NamingFile(file, [&] {
    platform::FileWriter log(file, platform::FileWriter::Mode::Append);
    log.Write(entry);
    log.Close();
  });
  return true;
}

}  // namespace vantrel
