#!/usr/bin/env bash
# Builds the file-reader fuzzers with clang (libFuzzer, ASan, UBSan) and runs each
# for a few thousand executions over a seed corpus written by the game's own
# writers. Any crash or sanitizer report fails the run.
#   tests/fuzz/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
RUNS=${1:-4000}
CXX=${FUZZ_CXX:-clang++}
OUT=build-fuzz
mkdir -p "$OUT/obj"

SANITIZE="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
FLAGS="-std=c++20 -O1 -g -fno-omit-frame-pointer -Wall -Wextra -Werror -Wno-missing-field-initializers -Isrc -Itests -Itests/fuzz $(pkg-config --cflags stb)"
# The readers and what they stand on.
SOURCES=(src/data/definitions.cpp src/data/field_stream.cpp src/data/file_io.cpp src/data/map_file.cpp
         src/data/save_game.cpp src/data/world.cpp src/platform/big5.cpp src/platform/file_names.cpp
         src/platform/bmp.cpp src/platform/cursor_file.cpp src/platform/surface.cpp
         src/platform/whole_file.cpp)

OBJECTS=()
for src in "${SOURCES[@]}"; do
  obj="$OUT/obj/$(basename "${src%.cpp}").o"
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ -n "$(find src/data src/platform tests/fuzz tests/platform tests/support -name '*.h' -newer "$obj" -print -quit)" ]; then
    $CXX $FLAGS $SANITIZE -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
  fi
  OBJECTS+=("$obj")
done
# The BMP decoder is built here too, so that the sanitizers watch it and the fuzzer
# is guided through it.
if [ ! -f "$OUT/obj/stb_image.o" ]; then
  printf '#define STB_IMAGE_IMPLEMENTATION\n#define STBI_ONLY_BMP\n#include <stb_image.h>\n' |
    $CXX -x c++ -O1 -g $(pkg-config --cflags stb) $SANITIZE -fsanitize=fuzzer-no-link -w -c - -o "$OUT/obj/stb_image.o"
fi
OBJECTS+=("$OUT/obj/stb_image.o")

$CXX $FLAGS $SANITIZE -fsanitize=fuzzer-no-link tests/fuzz/make_seeds.cpp "${OBJECTS[@]}" -o "$OUT/make_seeds"
rm -rf "$OUT/seeds"
"$OUT/make_seeds" "$OUT/seeds"

for target in definitions map save picture; do
  $CXX $FLAGS $SANITIZE -fsanitize=fuzzer "tests/fuzz/fuzz_$target.cpp" "${OBJECTS[@]}" -o "$OUT/fuzz_$target"
  corpus="$OUT/corpus_$target"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  echo "fuzz_$target: $RUNS runs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$OUT/fuzz_$target" -runs="$RUNS" -seed=1 -max_len=65536 -timeout=20 -print_final_stats=0 \
      -artifact_prefix="$OUT/crash_$target-" "$corpus" "$OUT/seeds/$target" 2>"$OUT/fuzz_$target.log" || {
    tail -n 40 "$OUT/fuzz_$target.log"
    echo "fuzz_$target failed; the input is in $OUT/crash_$target-*" >&2
    exit 1
  }
  tail -n 1 "$OUT/fuzz_$target.log"
done
echo "fuzzers: no crashes"
