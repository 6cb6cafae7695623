#!/bin/sh
# Installs JSROOT from npm into DIR (once; later runs find it there).
dir="$1"
if [ -f "$dir/node_modules/jsroot/package.json" ]; then
    echo "jsroot already installed in $dir"
    exit 0
fi
mkdir -p "$dir" && cd "$dir" || exit 1
[ -f package.json ] || echo '{"name": "vexel-jsroot-checks", "private": true, "type": "module"}' > package.json
for attempt in 1 2 3; do
    if npm install jsroot@7 --omit=optional --ignore-scripts --no-audit --no-fund > npm-install.log 2>&1; then
        echo "jsroot installed in $dir"
        exit 0
    fi
    echo "npm install failed (attempt $attempt):"
    tail -n 20 npm-install.log
    sleep 10
done
exit 1
