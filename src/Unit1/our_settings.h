#pragma once
// Where the Qt programs keep what they remember from one run to the next (the window's place,
// the last working folder, the job panel's choices, the last archive folder): one name for all.
#include <QSettings>

namespace vantrel {

inline QSettings OurSettings() { return QSettings("Vantrel", "Vantrel"); }

}  // namespace vantrel
