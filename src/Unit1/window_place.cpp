// Where the window opens: where the user left it, kept on a screen and no larger than it.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "Unit1/form.h"
#include "Unit1/growing_panel.h"
#include "Unit1/layout_constants.h"
#include "window/window_fit.h"
#include "Unit1/our_settings.h"

namespace vantrel {

namespace {

constexpr const char* kPlaceKey = "window/place";
constexpr const char* kMaximisedKey = "window/maximised";

Box ToBox(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

QRect WantedPlace() {
  const QRect saved = OurSettings().value(kPlaceKey).toRect();
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
  const Box placed = PlaceOnScreen(wanted, free, kNarrowestWindowWidth, kShortestWindowHeight);

  content_->SetReferenceSize(kWindowOuterSize - frame);
  const QSize smallest(std::min(kNarrowestWindowWidth, free.width), std::min(kShortestWindowHeight, free.height));
  setMinimumSize(smallest - frame);
  if (isMaximized()) return;  // the screen's own size; the place is kept for a restore
  resize(QSize(placed.width, placed.height) - frame);
  move(placed.left, placed.top);
  // Once it is up, so that a restore brings back the place just set, frame and all.
  if (isVisible() && OurSettings().value(kMaximisedKey).toBool()) {
    setWindowState(windowState() | Qt::WindowMaximized);
  }
}

// A maximised window keeps the place it had before it was maximised, so that it comes back
// there when it is restored rather than as a normal window the size of the screen. A close
// the presenter puts off until a job has ended changes nothing yet.
void TForm1::closeEvent(QCloseEvent* event) {
  if (!presenter_->CloseAsked()) {
    event->ignore();
    return;
  }
  const QRect client = isMaximized() ? normalGeometry() : geometry();
  const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  // Written only when changed: saving the settings file costs a synced write each time.
  QSettings settings = OurSettings();
  const auto keep = [&settings](const char* key, auto value) {
    if (!settings.contains(key) || settings.value(key).value<decltype(value)>() != value) settings.setValue(key, value);
  };
  keep(kPlaceKey, client.marginsAdded(frame));
  keep(kMaximisedKey, isMaximized());
  QWidget::closeEvent(event);
}

}  // namespace vantrel
