#!/bin/bash
# Starts gensen.exe, waits until it is shown and painted, saves a screenshot of
# its window, and closes it as its close box does. Runs where e2e.sh does.
#   screenshot.sh BUILD_DIR PNG
set -euo pipefail
build=$1
shot=$2
out=$(dirname "$shot")
. "$(dirname "$0")/driver.sh"

start_program
screenshot "$shot"
ask close
wait_exit "the close box"
