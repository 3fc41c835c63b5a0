#pragma once
// A button that reads "Working......" (or the like) while its handler runs. A handler that
// ends in an error puts back the caption the button had, so that the window does not claim
// to be still at work; one that ends normally sets the caption it ends with.
#include <QString>

class QAbstractButton;

namespace vantrel {

class WorkingCaption {
 public:
  WorkingCaption(QAbstractButton* button, const char* working);
  ~WorkingCaption();  // the earlier caption again, unless Finish ran
  WorkingCaption(const WorkingCaption&) = delete;
  WorkingCaption& operator=(const WorkingCaption&) = delete;

  void Finish(const char* caption);

 private:
  QAbstractButton* button_;
  QString earlier_;
  bool finished_ = false;
};

}  // namespace vantrel
