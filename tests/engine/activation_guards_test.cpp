// The questions asked before an activation, on real working folders.
#include "engine/activation_guards.h"

#include <gtest/gtest.h>

#include "engine/activation.h"
#include "engine_session.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using Questions = std::vector<std::string>;

struct GuardFolder {
  testing::TempDir dir;
  testing::EngineSession es;

  Questions For(const std::string& patchLine, std::string_view slot) {
    es.SelectPatch(patchLine);
    es.SelectSlot(slot);
    return ActivationQuestions(es.s.cat);
  }
};

struct SlotCase {
  const char* what;
  std::vector<const char*> markers;
  const char* patchLine;
  const char* slot;
  Questions expected;
};

TEST(ActivationQuestions, AskAboutTheSlotsPatchAndTheClassOfPatchAndSlot) {
  const std::string occupied = "Slot 0305 holds Camel Views. Replace it?";
  const std::string aircraftIntoTruck =
      "FE2b Fighter is an aircraft patch; slot 0601 Truck 1 is not an aircraft slot. Install it there?";
  const std::string tankIntoAircraft =
      "Big Tank is not an aircraft patch; slot 0305 Halberstadt D.2 is an aircraft slot. Install it there?";
  // A marker of the next slot is there throughout: only the chosen slot's own count.
  const std::vector<SlotCase> cases = {
      {"its own, empty slot", {}, "031F FE2b Fighter", "031F", {}},
      {"another empty slot of its class", {}, "031F FE2b Fighter", "0305", {}},
      {"again into the slot it is in", {"0305_FE2b Fighter.aop"}, "031F FE2b Fighter", "0305", {}},
      {"its marker in another case", {"0305_fe2b FIGHTER.aop"}, "031F FE2b Fighter", "0305", {}},
      {"a slot another patch is in", {"0305_Camel Views.aop"}, "031F FE2b Fighter", "0305", {occupied}},
      {"two other patches", {"0305_Camel Views.aop", "0305_Old.aop"}, "031F FE2b Fighter", "0305",
       {occupied, "Slot 0305 holds Old. Replace it?"}},
      {"aircraft patch, vehicle slot", {}, "031F FE2b Fighter", "0601", {aircraftIntoTruck}},
      {"vehicle patch, aircraft slot", {}, "060E Big Tank", "0305", {tankIntoAircraft}},
      {"both at once", {"0305_Camel Views.aop"}, "060E Big Tank", "0305", {occupied, tankIntoAircraft}},
      {"vehicle patch, structure slot", {}, "060E Big Tank", "0901", {}},
      {"a type index that takes no slot", {"0305_Camel Views.aop"}, "03A0 Odd", "0305", {}},
  };
  for (const SlotCase& c : cases) {
    GuardFolder folder;
    folder.dir.write("0306_Camel Views.aop", "Active\r\n");
    for (const char* marker : c.markers) folder.dir.write(marker, "Active\r\n");
    EXPECT_EQ(folder.For(c.patchLine, c.slot), c.expected) << c.what;
  }
}

TEST(ActivationQuestions, NameTheGameArchivesAVolumePatchReplacesAsItsInstallWritesThem) {
  GuardFolder folder;
  for (const char* name : {"SpringMaps/RB.VOL", "SpringMaps/3DSpring.vol", "SpringMaps/rbmulti.vol",
                           "SpringMaps/other.vol", "SpringMaps/lowres.vol.txt"}) {
    folder.dir.write(name, "archive");
  }
  folder.dir.write("0305_Camel Views.aop", "Active\r\n");  // the slot plays no part
  const Questions questions = folder.For("0099 SpringMaps", "0305");
  EXPECT_EQ(questions, Questions{"SpringMaps replaces the game archives ..\\3dpatch\\3dspring.vol, ..\\rb.vol, "
                                 "..\\multi\\rbmulti.vol; the originals are kept as .orig and put back when it "
                                 "is removed. Go on?"});

  // Each archive named is one the script copies over, and no other.
  WriteActivationScript(folder.es.s);
  const std::string script = folder.dir.read("0099.bat");
  for (const char* target : {" ..\\3dpatch\\3dspring.vol\r\n", " ..\\rb.vol\r\n", " ..\\multi\\rbmulti.vol\r\n"}) {
    EXPECT_NE(script.find(target), std::string::npos) << target;
  }
  EXPECT_EQ(script.find("other.vol"), std::string::npos);

  GuardFolder empty;
  empty.dir.write("Nothing Known/other.vol", "archive");
  EXPECT_EQ(empty.For("0099 Nothing Known", "0305"), Questions{}) << "it replaces nothing";
}

TEST(ActivationQuestions, ReadTheSelectionWithoutChangingIt) {
  GuardFolder folder;
  folder.dir.write("0300_Camel Views.aop", "Active\r\n");
  Catalogue& cat = folder.es.s.cat;
  cat.ListBox1.Append("031F FE2b Fighter");
  EXPECT_EQ(ActivationQuestions(cat), Questions{}) << "no patch picked: the activation raises the list error";
  EXPECT_FALSE(cat.ListBox1.Selected());
  EXPECT_FALSE(cat.ListBox2.Selected());

  // No slot picked: the activation goes into the first one, so that is the one asked about.
  cat.ListBox1.Select(0);
  EXPECT_EQ(ActivationQuestions(cat), Questions{"Slot 0300 holds Camel Views. Replace it?"});
  EXPECT_FALSE(cat.ListBox2.Selected());
  cat.ListBox2.Clear();
  EXPECT_EQ(ActivationQuestions(cat), Questions{});
}

TEST(ActivationAllowed, StopsAtTheFirstNo) {
  GuardFolder folder;
  folder.dir.write("0305_Camel Views.aop", "Active\r\n");
  folder.For("060E Big Tank", "0305");  // two questions
  for (const bool answer : {true, false}) {
    Questions asked;
    const bool allowed = ActivationAllowed(folder.es.s.cat, [&](const std::string& text) {
      asked.push_back(text);
      return answer;
    });
    EXPECT_EQ(allowed, answer);
    EXPECT_EQ(asked.size(), answer ? 2u : 1u);
  }
  GuardFolder quiet;
  quiet.For("031F FE2b Fighter", "031F");
  EXPECT_TRUE(ActivationAllowed(quiet.es.s.cat, [](const std::string&) { return false; }));
}

}  // namespace
}  // namespace vantrel
