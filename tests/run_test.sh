#!/usr/bin/env bash
# Runs one test executable with its own fresh HOME and XDG folders, so that
# no test reads or writes a real user's settings or another test's files.
set -u
platform=$1; shift
scratch=$(mktemp -d "${TMPDIR:-/tmp}/planformix-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch/home"
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
export XDG_CACHE_HOME="$scratch/cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
export QT_QPA_PLATFORM="$platform"
export LC_ALL=C.UTF-8
# CTest's own limit catches a hung test; the long typing tables run for
# minutes under the sanitizers, past Qt Test's five minutes a function.
export QTEST_FUNCTION_TIMEOUT=1700000
# A library to keep loaded in the test process alone (a sanitizer build
# names Mesa's driver this way; see tests/CMakeLists.txt).
if [ -n "${PLANFORMIX_TEST_PRELOAD:-}" ]; then
  LD_PRELOAD="$PLANFORMIX_TEST_PRELOAD${LD_PRELOAD:+:$LD_PRELOAD}" "$@"
else
  "$@"
fi
