#!/usr/bin/env bash
# Sets everything up, builds the library and runs the main job.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/fetch-data.sh >/dev/null
bash scripts/build.sh build >/dev/null
/usr/lib/jvm/java-17-openjdk-amd64/bin/java -Xcheck:jni -Djava.library.path=build -cp build/java/classes ScaleDemo
