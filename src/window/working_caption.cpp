#include "Unit1/working_caption.h"

#include <QAbstractButton>

namespace vantrel {

WorkingCaption::WorkingCaption(QAbstractButton* button, const char* working)
    : button_(button), earlier_(button->text()) {
  button_->setText(working);
}

WorkingCaption::~WorkingCaption() {
  if (!finished_) button_->setText(earlier_);
}

void WorkingCaption::Finish(const char* caption) {
  button_->setText(caption);
  finished_ = true;
}

}  // namespace vantrel
