#!/bin/bash
# copy scratch files (not the scripts) into the given tree
dst=$1
cd /tmp/lists-scratch && find . -type f ! -name apply.py ! -name sync.sh | while read f; do mkdir -p "$dst/$(dirname "$f")"; cp "$f" "$dst/$f"; done
