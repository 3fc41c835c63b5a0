#include "Unit1/log_viewer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vantrel {

namespace {

QDialog* MakeViewer(QWidget* window) {
  auto* viewer = new QDialog(window);
  viewer->setObjectName(kLogViewerName);
  viewer->setWindowTitle("Vantrel: job log");
  viewer->resize(720, 480);
  auto* text = new QPlainTextEdit(viewer);
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);  // the scripts' lines as they are
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, viewer);
  QObject::connect(buttons, &QDialogButtonBox::rejected, viewer, &QDialog::close);
  auto* layout = new QVBoxLayout(viewer);
  layout->addWidget(text);
  layout->addWidget(buttons);
  return viewer;
}

}  // namespace

void ShowLogViewer(QWidget* window, const QString& text) {
  auto* viewer = window->findChild<QDialog*>(kLogViewerName, Qt::FindDirectChildrenOnly);
  if (!viewer) viewer = MakeViewer(window);
  auto* page = viewer->findChild<QPlainTextEdit*>();
  page->setPlainText(text);
  page->verticalScrollBar()->setValue(page->verticalScrollBar()->maximum());
  viewer->show();  // not modal: the window goes on beside it
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace vantrel
