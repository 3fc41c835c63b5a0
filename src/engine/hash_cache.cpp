#include "engine/hash_cache.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "engine/content_hash.h"
#include "engine/file_errors.h"
#include "engine/support_folder.h"
#include "platform/files.h"
#include "platform/in_parallel.h"
#include "platform/text_file.h"
#include "platform/whole_write.h"

namespace vantrel {

namespace {

constexpr std::string_view kHeading = "Vantrel hashes 1";

std::string CacheFile() { return std::string(kSupportFolder) + "hashes.txt"; }

// A file written this recently may be written again within the same tick of its file
// system's clock (two seconds on FAT), keeping its size and time: its hash is not kept.
constexpr std::int64_t kSettledNanos = 2'000'000'000;

bool Settled(const platform::FileStamp& stamp) {
  const std::int64_t now =
      std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
  return now - stamp.modified >= kSettledNanos;
}

template <typename Number>
bool TakeNumber(std::string_view& text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() + text.size() || *end != ' ') return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
  return true;
}

// "SIZE TIME HASH PATH", the path last since it may hold blanks; none when the line is not
// of that form.
std::optional<std::pair<std::string, HashCache::Known>> ParseLine(std::string_view line) {
  HashCache::Known known;
  known.stamp.exists = true;
  if (!TakeNumber(line, known.stamp.size) || !TakeNumber(line, known.stamp.modified)) return std::nullopt;
  const std::size_t blank = line.find(' ');
  if (blank == 0 || blank == std::string_view::npos || blank + 1 == line.size()) return std::nullopt;
  known.hash = line.substr(0, blank);
  return std::pair{std::string(line.substr(blank + 1)), std::move(known)};
}

}  // namespace

HashCache HashCache::Load() {
  HashCache cache;
  const std::string file = CacheFile();
  if (!platform::FileExists(file)) return cache;
  // Twenty thousand lines: views into the text, not a string each.
  const std::string text = NamingFile(file, [&] { return platform::ReadTextJoined(file); });
  std::string_view rest = text;
  const auto nextLine = [&rest] {
    const std::size_t end = rest.find('\n');  // every line of the text ends in one
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return line;
  };
  if (rest.empty() || nextLine() != kHeading) return cache;
  cache.known_.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')));
  while (!rest.empty()) {
    if (auto parsed = ParseLine(nextLine())) cache.known_.insert(std::move(*parsed));
  }
  return cache;
}

HashCache::Look HashCache::LookAtOne(const std::string& path) const {
  Look look;
  try {
    const platform::FileStamp before = platform::StampOf(path);
    if (!before.exists) return look;
    if (const auto found = known_.find(path); found != known_.end() && found->second.stamp == before) {
      look.known = &found->second.hash;
      return look;
    }
    look.hash = HashOfFile(path);
    look.read = true;
    // A file written while it was read holds neither state whole.
    if (Settled(before) && platform::StampOf(path) == before) look.learnt = Known{before, look.hash};
  } catch (...) {
    look.failure = std::current_exception();
  }
  return look;
}

const std::string& HashCache::Take(const std::string& path, Look& look) {
  if (look.read) ++filesRead_;
  if (look.learnt) {
    known_[path] = std::move(*look.learnt);
    look.learnt.reset();
    learnt_ = true;
  }
  if (look.failure) std::rethrow_exception(look.failure);
  return look.known ? *look.known : look.hash;
}

std::string HashCache::HashOf(const std::string& path) {
  Look look = LookAtOne(path);
  return Take(path, look);
}

std::vector<HashCache::Look> HashCache::LookAt(const std::vector<std::string>& paths) const {
  std::vector<Look> looks(paths.size());
  // LookAtOne raises nothing and only reads the cache.
  platform::InParallel(paths.size(), [&](std::size_t i) { looks[i] = LookAtOne(paths[i]); });
  return looks;
}

void HashCache::Save() const {
  if (!learnt_ || !platform::DirectoryExists(kSupportFolder)) return;
  std::string text = std::string(kHeading) + "\r\n";
  // In the order of the paths, so that the file reads the same for the same knowledge.
  std::map<std::string_view, const Known*> ordered;
  for (const auto& [path, known] : known_) ordered.emplace(path, &known);
  for (const auto& [path, knownAt] : ordered) {
    const Known& known = *knownAt;
    text += std::to_string(known.stamp.size) + " " + std::to_string(known.stamp.modified) + " " + known.hash + " " +
            std::string(path) + "\r\n";
  }
  const std::string file = CacheFile();
  NamingFile(file, [&] { platform::WriteFileWhole(file, text); });
}

}  // namespace vantrel
