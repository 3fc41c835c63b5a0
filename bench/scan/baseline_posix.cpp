#include "baseline.h"

#include <dirent.h>
#include <fnmatch.h>

#include <ctime>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::bench {

// With the C library alone: one read of the working folder for patch
// folders, one read of each subfolder for its shape file, the scan list, one read for markers.
void BaselineScan() {
  std::vector<std::pair<std::string, std::string>> table;
  if (DIR* top = opendir(".")) {
    while (dirent* e = readdir(top)) {
      if (e->d_name[0] == '.' || e->d_type != DT_DIR) continue;
      if (DIR* sub = opendir(e->d_name)) {
        while (dirent* f = readdir(sub)) {
          if (f->d_type == DT_REG && fnmatch("????9000.dml", f->d_name, FNM_CASEFOLD) == 0) {
            table.emplace_back(std::string(f->d_name, 4), e->d_name);
            break;
          }
        }
        closedir(sub);
      }
      if (table.size() == 1024) break;
    }
    closedir(top);
  }
  {
    std::ofstream out("vantrel.scan.tmp", std::ios::binary | std::ios::trunc);
    for (const auto& [code, folder] : table) out << code << ' ' << folder << "\r\n";
  }
  std::vector<std::string> active;
  if (DIR* top = opendir(".")) {
    while (dirent* e = readdir(top)) {
      if (e->d_name[0] != '.' && e->d_type == DT_REG && fnmatch("*.aop", e->d_name, FNM_CASEFOLD) == 0) {
        std::string name = e->d_name;
        active.push_back(name.substr(0, name.size() - 4));
        if (active.size() == 1025) break;
      }
    }
    closedir(top);
  }
}

// CPU time of this process (user and system): other work on the machine does not count.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace vantrel::bench
