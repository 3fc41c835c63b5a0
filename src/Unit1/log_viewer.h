#pragma once
// The job log in a read-only viewer of the window's own, where no program is there to open
// files (no xdg-open or the like): the button would otherwise do nothing the user can see.
#include <QString>

class QWidget;

namespace vantrel {

inline constexpr const char* kLogViewerName = "JobLogViewer";

// Shows `text` in the window's one log viewer, made the first time, brought to the front
// and scrolled to the end (the last job) after.
void ShowLogViewer(QWidget* window, const QString& text);

}  // namespace vantrel
