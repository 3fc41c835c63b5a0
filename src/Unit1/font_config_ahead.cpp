#include "Unit1/font_config_ahead.h"

#include <fontconfig/fontconfig.h>

namespace vantrel {

// A configuration that cannot be read is fontconfig's own concern: it falls back to its
// defaults, and Qt's look-ups meet the same outcome.
FontConfigAhead::FontConfigAhead() : reading_([] { FcInit(); }) {}

FontConfigAhead::~FontConfigAhead() { Wait(); }

void FontConfigAhead::Wait() {
  if (reading_.joinable()) reading_.join();
}

}  // namespace vantrel
