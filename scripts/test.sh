#!/usr/bin/env bash
# The one test command: installs what is missing, builds the native, win64
# and win32 presets, runs the native tests and then the Windows tests under
# wine64 in one Xvfb display with one fresh Wine prefix.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1

jobs=$(nproc)
for preset in native win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "$jobs" || exit 1
done

status=0
logs=$(mktemp -d)

echo "== native tests"
ctest --preset native 2>&1 | tee "$logs/native.log"
[ "${PIPESTATUS[0]}" = 0 ] || status=1

# shellcheck source=scripts/wine-env.sh
. scripts/wine-env.sh
[ "${VARNOTEL_KEEP_PREFIX:-0}" = 1 ] || rm -rf build/wine-prefix
VARNOTEL_OWN_DISPLAY=1 wine_env_start "$PWD/build/wine-prefix" || exit 1
trap wine_env_stop EXIT

echo "== Windows tests (wine64, DISPLAY=$DISPLAY)"
ctest --preset win64 2>&1 | tee "$logs/win64.log"
[ "${PIPESTATUS[0]}" = 0 ] || status=1

# One closing line over both runs, from ctest's "N tests failed out of M".
read -r failed total < <(grep -hoE '[0-9]+ tests? failed out of [0-9]+' "$logs"/*.log |
  awk '{ f += $1; t += $NF } END { print f + 0, t + 0 }')
[ "$total" -gt 0 ] || status=1
echo "all: $((total - failed)) passed, ${failed} failed"
rm -rf "$logs"
exit $status
