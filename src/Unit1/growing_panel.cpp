#include "Unit1/growing_panel.h"

#include <QResizeEvent>

namespace vantrel {

namespace {

Box ToBox(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }
QRect ToRect(const Box& box) { return {box.left, box.top, box.width, box.height}; }

}  // namespace

void GrowingPanel::TakeReference(QSize size) {
  controls_.clear();
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    controls_.push_back({child, child->geometry(), AnchorOf(child->objectName().toStdString())});
    for (std::size_t i = 0; i < listWidths_.size(); ++i) {
      if (child->objectName() == QString("ListBox%1").arg(i + 1)) listWidths_[i] = child->width();
    }
  }
  SetReferenceSize(size);
}

void GrowingPanel::SetReferenceSize(QSize size) {
  reference_ = size;
  setMinimumSize(size.width() - kMostShrink.Across(), size.height() - kMostShrink.Total());
  Apply();
}

void GrowingPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Apply();
}

void GrowingPanel::Apply() {
  const Growth growth = ShareOut(width() - reference_.width(), height() - reference_.height(), listWidths_);
  for (const Control& control : controls_) {
    control.widget->setGeometry(ToRect(Grown(ToBox(control.reference), control.anchor, growth)));
  }
}

}  // namespace vantrel
