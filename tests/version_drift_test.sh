#!/usr/bin/env bash
# scripts/check-version on copies of the source tree $1, made under $2: the tree
# as it is passes, and each drift planted in a copy fails, naming its file.
set -euo pipefail
source=$1 tree=$2/tree

# Copies what the check reads, plants the drift $1 there, and checks the copy.
check_with() {
  rm -rf "$tree" && mkdir -p "$tree"
  cp -R "$source"/{CMakeLists.txt,README.md,debian,docs,packaging,web} "$tree/"
  (cd "$tree" && eval "$1")
  bash "$source/scripts/check-version" "$tree" 2>&1
}

check_with true >/dev/null || { echo "FAIL: the tree as it is fails the check"; exit 1; }
failed=0
while IFS='|' read -r named plant; do
  if said=$(check_with "$plant"); then
    echo "FAIL: the check passes after: $plant"
    failed=1
  elif ! grep -q "^version drift: $named" <<<"$said"; then
    echo "FAIL: the check does not name $named after: $plant"$'\n'"$said"
    failed=1
  fi
done <<'EOF'
packaging/tanks.metainfo.xml.in|awk '!done && /<release /{s = 1} !s; s && /<\/release>/{s = 0; done = 1}' packaging/tanks.metainfo.xml.in >m && mv m packaging/tanks.metainfo.xml.in
README.md|sed -i -E 's/tanks-[0-9.]+-win64/tanks-0.9.9-win64/' README.md
debian/changelog|sed -i '0,/^ -- /s/>  .*/>  Fri, 01 Jan 2027 12:00:00 +0000/' debian/changelog
EOF
exit "$failed"
