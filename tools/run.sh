#!/bin/sh
# Installs what is missing, builds, and runs the main job.
set -eu
cd "$(dirname "$0")/.."
sh tools/build.sh >/dev/null
exec build/platform_demo "$@"
