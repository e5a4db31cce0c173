#!/usr/bin/env bash
# run-pack-fuzzer.sh [SECONDS]
# The pack fuzzer; see run-fuzzer.sh.
exec "$(dirname "$0")/run-fuzzer.sh" pack "$@"
