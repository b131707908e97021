#!/usr/bin/env bash
# Builds Numerel and runs every test suite:
#   build/native    Release, the engine tests
#   build/asan      Debug with AddressSanitizer and UBSan, the engine tests
#   build/windows   32-bit Windows cross build (the shipped Numerel.exe), its
#                   engine and window tests under 32-bit Wine
#   build/windows64 64-bit Windows cross build, only where this machine
#                   cannot run 32-bit programs (or NUMEREL_FORCE_WIN64=1):
#                   the same Windows tests under 64-bit Wine instead
#   build/fuzz      the engine fuzzer (clang), run for a minute
# Exits non-zero when any step fails. NUMEREL_BUILD_DIR moves the build
# folders and the Wine prefixes elsewhere (default: build).
set -uo pipefail
cd "$(dirname "$0")"
root=$PWD
out=${NUMEREL_BUILD_DIR:-build}

# Root installs what is missing; anyone else only checks. Started through
# sudo, it then builds and tests as the user who asked, so that build/ and
# the Wine prefixes stay theirs (Wine refuses a prefix of another user).
if [ "$(id -u)" = 0 ]; then
  bash .ci/setup.sh || exit 1
  if [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    source .ci/wine_session.sh
    wine_session_as_sudo_user private "$root/test.sh"
    exit $?
  fi
else
  bash .ci/setup.sh --check ./test.sh || exit 1
fi

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
jobs=$(nproc)

results=()
failed=0
# phase NAME COMMAND...: runs and times one step.
phase() {
  local name=$1
  shift
  local start=$SECONDS
  echo "=== $name"
  "$@"
  local status=$?
  local result=ok
  if [ $status != 0 ]; then
    result="FAILED ($status)"
    failed=1
  fi
  results+=("$(printf '%-22s %-12s %4d s' "$name" "$result" $((SECONDS - start)))")
  return $status
}

configure_and_build() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" "${generator[@]}" "$@" >"$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j"$jobs"
}

source .ci/wine_session.sh
wine_session_check_owner "$out" || exit 1
wine_session_choose_arch
windows_tests="$NUMEREL_WIN_ARCH build under $([ "$NUMEREL_WIN_ARCH" = i686 ] && echo 32 || echo 64)-bit Wine ($NUMEREL_WIN_ARCH_WHY)"
echo "Windows tests: the $windows_tests"

mkdir -p "$out"
native_built=0 asan_built=0 windows_built=0
phase "build native" configure_and_build "$out/native" -DCMAKE_BUILD_TYPE=Release && native_built=1
phase "build asan" configure_and_build "$out/asan" -DCMAKE_BUILD_TYPE=Debug -DNUMEREL_SANITIZE=ON && asan_built=1
# The shipped program is built on every machine, and any warning fails it.
phase "build windows" configure_and_build "$out/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_TOOLCHAIN_FILE="$(wine_session_toolchain i686)" && windows_built=1
windows_dir="$out/windows" prefix="$out/wineprefix"
if [ "$NUMEREL_WIN_ARCH" = x86_64 ]; then
  windows_dir="$out/windows64" prefix="$out/wineprefix64" windows_built=0
  phase "build windows64" configure_and_build "$windows_dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_TOOLCHAIN_FILE="$(wine_session_toolchain x86_64)" && windows_built=1
fi

[ $native_built = 1 ] && phase "test native" ctest --test-dir "$out/native" --output-on-failure
[ $asan_built = 1 ] && phase "test asan" ctest --test-dir "$out/asan" --output-on-failure

# The engine fuzzer (clang, libFuzzer, ASan, UBSan): about a minute, and any
# crash, hang or broken rule fails the run.
phase "fuzz engine" bash tests/fuzz/run_fuzzer.sh 60 "$out/fuzz"

if [ $windows_built = 1 ]; then
  trap wine_session_stop EXIT
  trap 'exit 130' INT TERM
  # Wine's ANSI code page is 1252 under this locale: the window tests pass
  # only because GBK is converted with code page 936 explicitly.
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  phase "wine display" wine_session_start_display &&
    phase "wine prefix" wine_session_prefix "$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")" unmanaged &&
    phase "test windows" env NUMEREL_EXPECT_ACP=1252 \
      ctest --test-dir "$windows_dir" --output-on-failure --timeout 300 &&
    # The window tests again under the Chinese code page: the program must
    # behave the same on either system.
    phase "test windows 936" env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 NUMEREL_EXPECT_ACP=936 \
      ctest --test-dir "$windows_dir" -R windows_tests --output-on-failure --timeout 300
fi

echo
echo "=== summary"
printf '%s\n' "${results[@]}"
echo "Windows tests ran on the $windows_tests"
if [ $failed = 0 ]; then
  echo "all steps passed"
else
  echo "some steps FAILED"
fi
exit $failed
