#pragma once
// Qt asks fontconfig for fonts the first time a text is measured, and fontconfig then reads
// its configuration and font caches: some milliseconds, spent on the window's thread while the
// window is being built. FontConfigAhead has them read on a thread of its own from the start
// of the program, while Qt itself starts up.
//
// Fontconfig keeps one configuration for the process and builds it safely from any thread:
// a look-up that comes before the reading is done builds its own, and one of the two is kept.
#include <thread>

namespace vantrel {

class FontConfigAhead {
 public:
  FontConfigAhead();
  FontConfigAhead(const FontConfigAhead&) = delete;
  FontConfigAhead& operator=(const FontConfigAhead&) = delete;
  ~FontConfigAhead();  // waits for the reading

  // Waits for the reading; called before the window is built, so that its fonts do not
  // read the same files a second time.
  void Wait();

 private:
  std::thread reading_;
};

}  // namespace vantrel
