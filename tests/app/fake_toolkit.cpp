#include "fake_toolkit.h"

#include "ui/calculator_window.h"
#include "ui/toolkit.h"

FakeToolkit Fake;
ToolkitFont LabelFont = nullptr;
static FakeEvent last = {NoEvent, -1, -1};
static int fontObject;

void ResetFake() {
  Fake = FakeToolkit();
  for (int id = 10; id <= 18; ++id) Fake.texts[id] = "0";
  Fake.texts[24] = "1";
  LabelFont = nullptr;
  last = {NoEvent, -1, -1};
}

static std::string Narrow(const wchar_t* text) {
  std::string s;
  for (; *text; ++text) s += *text < 128 ? static_cast<char>(*text) : '?';
  return s;
}

void StartToolkit() { Fake.calls.push_back("StartToolkit"); }
void StopToolkit() { Fake.calls.push_back("StopToolkit"); }

ToolkitFont LoadToolkitFont(int number, const wchar_t* faceName, int points) {
  Fake.calls.push_back("LoadToolkitFont(" + std::to_string(number) + ", " + Narrow(faceName) + ", " +
                       std::to_string(points) + ")");
  return Fake.fontFails ? nullptr : &fontObject;
}

int OpenCalculatorWindow() {
  Fake.calls.push_back("OpenCalculatorWindow");
  Fake.fontSeenByForm = LabelFont;
  return Fake.windowFails ? 1 : 0;
}

void ShowMessageBox(const wchar_t* title, const wchar_t* text) {
  // The title and text keep their Polish letter: compare in UTF-16.
  bool exact = std::wstring(title) == L"B\u0142ad" && std::wstring(text) == L"B\u0142ad krytyczny!";
  Fake.calls.push_back(std::string("ShowMessageBox") + (exact ? "(Bład, Bład krytyczny!)" : "(other)"));
}

int32_t WaitForEvent(int milliseconds) {
  Fake.calls.push_back("WaitForEvent(" + std::to_string(milliseconds) + ")");
  if (Fake.script.empty()) {
    Fake.scriptRanOut = true;  // end the loop rather than spin
    last = {CloseRequest, 0, -1};
  } else {
    last = Fake.script.front();
    Fake.script.pop_front();
  }
  return last.kind;
}

int32_t EventWindowNumber() { return last.window; }
int32_t EventControlNumber() {
  Fake.calls.push_back("EventControlNumber");
  return last.control;
}

std::string GetControlText(int id) { return Fake.texts[id]; }

void SetControlText(int id, std::string_view text) {
  Fake.texts[id] = std::string(text);
  Fake.calls.push_back("SetControlText(" + std::to_string(id) + ", " + std::string(text) + ")");
}
