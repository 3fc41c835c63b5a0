// Where the window opens: where the user left it, kept on a screen and no larger than it.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <vector>

#include "Unit1/form.h"
#include "Unit1/growing_panel.h"
#include "Unit1/layout_constants.h"
#include "Unit1/window_fit.h"

namespace vantrel {

namespace {

constexpr const char* kPlaceKey = "window/place";

Box ToBox(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

QRect WantedPlace() {
  const QRect saved = QSettings("Vantrel", "Vantrel").value(kPlaceKey).toRect();
  return saved.isValid() ? saved : QRect(kWindowPosition, kWindowOuterSize);
}

std::vector<Box> FreeAreasOfScreens() {
  std::vector<Box> areas;
  if (const QScreen* primary = QGuiApplication::primaryScreen()) areas.push_back(ToBox(primary->availableGeometry()));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != QGuiApplication::primaryScreen()) areas.push_back(ToBox(screen->availableGeometry()));
  }
  return areas;
}

}  // namespace

// Sizes are outer sizes, frame included; the frame is nothing until the window is up.
void TForm1::PlaceWindow() {
  const QSize frame = frameGeometry().size() - size();
  const Box wanted = ToBox(WantedPlace());
  const std::vector<Box> screens = FreeAreasOfScreens();
  if (screens.empty()) return;
  const Box free = screens[ScreenFor(wanted, screens)];
  const Box placed = PlaceOnScreen(wanted, free, kWindowOuterSize.width(), kWindowOuterSize.height());

  content_->SetReferenceSize(kWindowOuterSize - frame);
  const QSize smallest(std::min(kWindowOuterSize.width(), free.width), std::min(kWindowOuterSize.height(), free.height));
  setMinimumSize(smallest - frame);
  resize(QSize(placed.width, placed.height) - frame);
  move(placed.left, placed.top);
}

void TForm1::closeEvent(QCloseEvent* event) {
  QSettings("Vantrel", "Vantrel").setValue(kPlaceKey, frameGeometry());
  QWidget::closeEvent(event);
}

}  // namespace vantrel
