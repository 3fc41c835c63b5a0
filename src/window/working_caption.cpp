#include "window/working_caption.h"

namespace vantrel {

WorkingCaption::WorkingCaption(FormView& view, Control button, const char* working)
    : view_(view), button_(button), earlier_(view.Text(button)) {
  view_.SetText(button_, working);
}

WorkingCaption::~WorkingCaption() {
  if (!finished_) view_.SetText(button_, earlier_);
}

void WorkingCaption::Finish(const char* caption) {
  view_.SetText(button_, caption);
  finished_ = true;
}

}  // namespace vantrel
