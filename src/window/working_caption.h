#pragma once
// A button that reads "Working......" (or the like) while its handler runs. A handler that
// ends in an error puts back the caption the button had, so that the window does not claim
// to be still at work; one that ends normally sets the caption it ends with.
#include <string>

#include "window/form_view.h"

namespace vantrel {

class WorkingCaption {
 public:
  WorkingCaption(FormView& view, Control button, const char* working);
  ~WorkingCaption();  // the earlier caption again, unless Finish ran
  WorkingCaption(const WorkingCaption&) = delete;
  WorkingCaption& operator=(const WorkingCaption&) = delete;

  void Finish(const char* caption);

 private:
  FormView& view_;
  Control button_;
  std::string earlier_;
  bool finished_ = false;
};

}  // namespace vantrel
