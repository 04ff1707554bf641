// A toolkit that records what the program asks of it and plays back a script
// of events, so start-up, the loop and shutdown can be checked in-process.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

struct FakeEvent {
  int32_t kind, window, control;
};

struct FakeToolkit {
  std::vector<std::string> calls;     // in order, e.g. "SetControlText(20, 2358)"
  std::deque<FakeEvent> script;       // what WaitForEvent returns, in turn
  std::map<int, std::string> texts;   // field texts by control number
  bool fontFails = false;
  bool windowFails = false;
  void* fontSeenByForm = nullptr;     // LabelFont when the form was opened
  bool scriptRanOut = false;
};
extern FakeToolkit Fake;

// A fresh fake: starting texts of the form, no script.
void ResetFake();
