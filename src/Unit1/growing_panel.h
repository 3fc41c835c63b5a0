#pragma once
// The window's content: the controls at their reference places, moved, widened and shrunk by
// the rules of window_fit.h when the panel is larger or smaller than the reference size. Never
// smaller than its margin, lists and panels can shrink; the scroll area around it scrolls
// when the window is.
#include <QRect>
#include <QWidget>

#include <array>
#include <vector>

#include "window/window_fit.h"

namespace vantrel {

class GrowingPanel : public QWidget {
 public:
  using QWidget::QWidget;

  // Takes the controls' present places as their reference places, and `size` as the size at
  // which they hold.
  void TakeReference(QSize size);
  void SetReferenceSize(QSize size);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Control {
    QWidget* widget;
    QRect reference;
    Anchor anchor;
  };
  void Apply();

  std::vector<Control> controls_;
  std::array<int, kListColumns> listWidths_{};
  QSize reference_;
};

}  // namespace vantrel
