#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

#include "Unit1/qt_text.h"
#include "platform/process.h"
#include "rbext/run_shell.h"
#include "samplegame/sample_game.h"

namespace vantrel::testing {

WindowTest::WindowTest() {
  samplegame::LaySampleGame(Game().string());
  std::filesystem::current_path(Work());
  session_.shellProgram = "true";  // scripts are run by the tests themselves, when at all
  QSettings("Vantrel", "Vantrel").clear();  // a place an earlier test left is not this test's
}

void WindowTest::SetUp() {
  form_ = std::make_unique<TForm1>(session_);
  form_->SetMessageHook([this](const std::string& text) { messages_.push_back(text); });
  form_->show();
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

void WindowTest::ClickEntry(const char* listName, std::string_view text) {
  auto* view = Find<QListView>(listName);
  ASSERT_NE(view, nullptr);
  const QAbstractItemModel* model = view->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    const QModelIndex index = model->index(row, 0);
    if (model->data(index).toString() != ToQt(text)) continue;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return;
  }
  FAIL() << listName << " shows no entry " << text;
}

void WindowTest::ClickButton(const char* name) {
  auto* button = Find<QAbstractButton>(name);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<std::string> WindowTest::Shown(const char* listName) const {
  std::vector<std::string> texts;
  const QAbstractItemModel* model = Find<QListView>(listName)->model();
  for (int row = 0; row < model->rowCount(); ++row) texts.push_back(FromQt(model->index(row, 0).data().toString()));
  return texts;
}

std::string WindowTest::Caption(const char* buttonName) const {
  const std::string text = FromQt(Find<QAbstractButton>(buttonName)->text());
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" shows one "&"
    shown += text[i];
  }
  return shown;
}

std::string WindowTest::Highlighted(const char* listName) const {
  const QModelIndexList rows = Find<QListView>(listName)->selectionModel()->selectedRows();
  if (rows.size() != 1) return rows.empty() ? "" : "(several)";
  return FromQt(rows.front().data().toString());
}

std::string WindowTest::SlotLine(std::string_view code) const {
  for (const std::string& line : Shown("ListBox2")) {
    if (line.starts_with(std::string(code) + " ")) return line;
  }
  return "";
}

void WindowTest::SwitchAwayAndBack() {
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

void WindowTest::RunScript(const std::string& name) {
  ASSERT_TRUE(std::filesystem::exists(name)) << name << " was not written";
  platform::RunProgramAndWait(ShellExecutableFor("cmd"), {"/C", name});
}

ModalAnswerer::ModalAnswerer(std::function<void(QWidget&)> answer) : timer_(new QTimer) {
  QObject::connect(timer_, &QTimer::timeout, [answer = std::move(answer)] {
    if (QWidget* dialog = QApplication::activeModalWidget()) answer(*dialog);
  });
  timer_->start(10);
}

ModalAnswerer::~ModalAnswerer() { delete timer_; }

BoxAnswerer::BoxAnswerer(std::function<void(QMessageBox&)> answer)
    : ModalAnswerer([answer = std::move(answer)](QWidget& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) answer(*box);
      }) {}

}  // namespace vantrel::testing
