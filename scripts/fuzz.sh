#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each against the reference model.
#   scripts/fuzz.sh [seconds per target]   (default 30)
# Set FUZZ_RUNS to stop after that many executions instead.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-30}
build=build/fuzz
cmake -S . -B $build -DKALK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build $build -j "$(nproc)" --target parse_fuzzer calculation_fuzzer >/dev/null

# Seeds: the texts of the parse and calculation tables.
seeds=$build/seeds
rm -rf "$seeds" && mkdir -p "$seeds/parse" "$seeds/calculation"
i=0
for text in 0 1 42 007 '' '   ' '  42' $'\t\t42' $'\n42' $'\xa042' 42abc 1.9 '1 000' 1e3 -17 +17 '  -17' \
    '- 17' --17 +-17 - '$1F' '$ff' '$fF' '$' '$1G2' '$ 1F' '  $10' '-$10' '$-5' %101 %102 % -%1 0x1F \
    9223372036854775807 9223372036854775808 -9223372036854775808 18446744073709551615 \
    18446744073709551616 -18446744073709551615 '$FFFFFFFFFFFFFFFF' '$10000000000000000' 256 300 -200; do
  printf '%s' "$text" > "$seeds/parse/$i"
  i=$((i + 1))
done
n=0
for row in '10|10|10|10|10|10|10|10|10|10' '99|99|99|99|99|99|99|99|99|99' '1|97' '1|256|300|-1|-200' \
    '1|2147483647|1' '1|4294967297' '4294967298' '-3'; do
  printf '%s' "$row" | tr '|' '\0' > "$seeds/calculation/$n"
  n=$((n + 1))
done

status=0
for target in parse calculation; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  limit=(-max_total_time="$seconds")
  [[ -n "${FUZZ_RUNS:-}" ]] && limit=(-runs="$FUZZ_RUNS")
  log=$build/$target.log
  if "$build/fuzz/${target}_fuzzer" "${limit[@]}" -dict=fuzz/integer_text.dict -max_len=4096 -artifact_prefix="$build/" \
      -print_final_stats=1 "$corpus" "$seeds/$target" >"$log" 2>&1; then
    echo "${target}_fuzzer: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions, no mismatch, no sanitizer report"
  else
    echo "${target}_fuzzer FAILED:"
    grep -E -A12 'ERROR|model =|deadly' "$log" | head -40
    status=1
  fi
done
exit $status
