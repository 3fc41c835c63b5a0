#pragma once
// The presenter over a recording view and job runner, on the sample game laid out in a
// temporary folder, working in its Simpatch folder, activated once as a window would be.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "engine/session.h"
#include "fake_view.h"
#include "temp_dir.h"
#include "window/form_presenter.h"

namespace vantrel::testing {

class PresenterTest : public ::testing::Test {
 protected:
  PresenterTest();
  void SetUp() override;

  // A new presenter over the same session, view and runner, as at the next start.
  void Reopen();
  // The user's pick of the entry `text` in `list`; fails the test when the list has none.
  void Pick(Control list, std::string_view text);
  // The Destination slots line of the slot `code`, "" when there is none.
  std::string SlotLine(std::string_view code) const;
  std::string Edit1() const { return view_.Text(Control::Edit1); }
  // The job scripts in the working folder.
  std::vector<std::string> Scripts() const;
  // Every file of the game with its bytes, by its path from the game folder, but for our
  // scan list, the folder's lock file and the job history's records.
  std::map<std::string, std::string> GameFiles() const;
  // Runs what the background check posts until the next check has ended; the marks it left
  // in Active patches.
  std::map<std::string, std::string> CheckedMarks();

  std::filesystem::path Game() const { return temp_.path() / "game"; }
  std::filesystem::path Work() const { return Game() / "Simpatch"; }

  TempDir temp_;
  Session session_;
  RecordingView view_;
  FakeJobs jobs_;
  std::unique_ptr<FormPresenter> presenter_;
};

}  // namespace vantrel::testing
