#pragma once
// Ends the event loop right after a window's first activation has been handled: the filter
// sees the event before the window does and queues the quit behind it.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class QuitWhenActive : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) QTimer::singleShot(0, qApp, &QApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};
