#!/bin/sh
# Makes the two Debian packages from a build folder, each in a CPack run of its own so that
# each has its own version (see PackageVersion.cmake).
#   make-packages.sh <build folder> <output folder>
set -eu
build=$1
out=$2
mkdir -p "$out"
cd "$out"
for component in data program; do
  if ! cpack -G DEB --config "$build/CPackConfig.cmake" -D CPACK_COMPONENTS_ALL=$component \
      -B "$out/_CPack_$component" >"$out/cpack-$component.log" 2>&1; then
    cat "$out/cpack-$component.log" >&2
    echo "make-packages: cpack failed for the $component package" >&2
    exit 1
  fi
  mv "$out/_CPack_$component"/vexel-lumora*.deb "$out/"
  rm -rf "$out/_CPack_$component" "$out/cpack-$component.log"
done
