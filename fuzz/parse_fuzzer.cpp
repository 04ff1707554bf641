// ParseIntegerText against the reference model on every input, and the
// format / parse round trip on the value it yields.
#include <cstdio>
#include <cstdlib>

#include "core/calculator.h"
#include "tests/support/reference_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  int64_t got = ParseIntegerText(text);
  int64_t want = model::Parse(text);
  if (got != want) {
    fprintf(stderr, "ParseIntegerText = %lld, model = %lld\n", static_cast<long long>(got),
            static_cast<long long>(want));
    abort();
  }
  if (ParseIntegerText(FormatIntegerText(got)) != got) abort();
  return 0;
}
