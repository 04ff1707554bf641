#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/lifecycle.h"
#include "fake_toolkit.h"
#include "ui/toolkit.h"

namespace {

using Calls = std::vector<std::string>;

TEST(Lifecycle, WindowMadeRunsTheLoopThenShutsDown) {
  ResetFake();
  Fake.script = {{NoEvent, -1, -1}, {CloseRequest, 0, -1}};
  EXPECT_EQ(RunCalculatorProgram(), 0);
  EXPECT_EQ(Fake.calls, (Calls{"StartToolkit", "LoadToolkitFont(1, Arial, 10)", "OpenCalculatorWindow",
                               "WaitForEvent(1000)", "WaitForEvent(1000)", "StopToolkit"}));
  EXPECT_NE(Fake.fontSeenByForm, nullptr) << "the form opened before LabelFont was loaded";
  EXPECT_FALSE(Fake.scriptRanOut);
}

TEST(Lifecycle, WindowNotMadeShowsTheCriticalErrorAndSkipsTheLoop) {
  ResetFake();
  Fake.windowFails = true;
  Fake.script = {{ControlEvent, 0, 25}};
  EXPECT_EQ(RunCalculatorProgram(), 0);
  EXPECT_EQ(Fake.calls, (Calls{"StartToolkit", "LoadToolkitFont(1, Arial, 10)", "OpenCalculatorWindow",
                               "ShowMessageBox(Bład, Bład krytyczny!)", "StopToolkit"}));
  EXPECT_EQ(Fake.script.size(), 1u) << "the loop ran";
}

TEST(Lifecycle, FontNotMadeIsNoError) {
  ResetFake();
  Fake.fontFails = true;
  Fake.script = {{ControlEvent, 0, 25}, {CloseRequest, 0, -1}};
  EXPECT_EQ(RunCalculatorProgram(), 0);
  EXPECT_EQ(Fake.fontSeenByForm, nullptr);
  EXPECT_EQ(Fake.calls.back(), "StopToolkit");
  EXPECT_EQ(Fake.texts[22], "0 / 0") << "the window did not calculate";
}

TEST(Lifecycle, FontAndWindowBothFail) {
  ResetFake();
  Fake.fontFails = true;
  Fake.windowFails = true;
  EXPECT_EQ(RunCalculatorProgram(), 0);
  EXPECT_EQ(Fake.calls, (Calls{"StartToolkit", "LoadToolkitFont(1, Arial, 10)", "OpenCalculatorWindow",
                               "ShowMessageBox(Bład, Bład krytyczny!)", "StopToolkit"}));
}

// The loop: only a press of control 25 calculates, only a close request for window 0 ends it.
TEST(EventLoop, ActsOnButtonPressesAndTheWindowsCloseRequestAlone) {
  ResetFake();
  for (int id = 10; id <= 18; ++id) Fake.texts[id] = "10";
  Fake.texts[24] = "10";
  Fake.script = {
      {NoEvent, -1, -1},         // a wait that ran out
      {OtherEvent, 0, -1},       // a repaint, a move...
      {ControlEvent, 0, 24},     // typing in the level field
      {ControlEvent, 0, 20},     // a result field changed
      {ControlEvent, 0, 22},
      {CloseRequest, 1, -1},     // another window's close request
      {ControlEvent, 0, 25},     // "OBLICZ"
      {ControlEvent, 0, 20},     // ...and the change events its results raise
      {ControlEvent, 0, 22},
      {CloseRequest, 0, -1},     // the calculator's close request ends the loop
      {ControlEvent, 0, 25},     // never taken
  };
  EXPECT_EQ(RunCalculatorProgram(), 0);
  Calls writes;
  for (auto& call : Fake.calls) {
    if (call.rfind("SetControlText", 0) == 0) writes.push_back(call);
  }
  EXPECT_EQ(writes, (Calls{"SetControlText(20, 2358)", "SetControlText(22, 90 / 15)"}));
  EXPECT_EQ(Fake.script.size(), 1u);
  EXPECT_FALSE(Fake.scriptRanOut);
}

TEST(EventLoop, ControlNumberIsAskedOnlyForControlEvents) {
  ResetFake();
  Fake.script = {{NoEvent, -1, -1}, {OtherEvent, 0, 25}, {ControlEvent, 0, 12}, {CloseRequest, 0, -1}};
  RunCalculatorProgram();
  int asked = 0;
  for (auto& call : Fake.calls) asked += call == "EventControlNumber";
  EXPECT_EQ(asked, 1);
}

TEST(EventLoop, EveryPressReadsTheFieldsAfresh) {
  ResetFake();
  Fake.script = {{ControlEvent, 0, 25}, {CloseRequest, 0, -1}};
  Fake.texts[10] = "99";
  Fake.texts[24] = "$ff";
  RunCalculatorProgram();
  EXPECT_EQ(Fake.texts[20], "3450748936");
  EXPECT_EQ(Fake.texts[22], "99 / 381");
}

}  // namespace
