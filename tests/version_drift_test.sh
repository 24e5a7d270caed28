#!/usr/bin/env bash
# scripts/check-version on copies of the source tree $1, made under $2: the
# tree as it is passes, and each drift planted in a copy fails, naming its file.
set -euo pipefail
source=$1 work=$2

# A fresh copy of what the check reads, in $work/tree.
copy_tree() {
  rm -rf "$work/tree"
  mkdir -p "$work/tree"
  cp -R "$source"/{CMakeLists.txt,README.md,debian,docs,packaging,web} "$work/tree/"
}

# The metainfo less its first <release> element.
drop_newest_release() {
  local metainfo=$work/tree/packaging/tanks.metainfo.xml.in
  awk '!done && /<release /{skip = 1} !skip{print} skip && /<\/release>/{skip = 0; done = 1}' \
    "$metainfo" >"$work/metainfo" && mv "$work/metainfo" "$metainfo"
}
readme_names_another_version() {
  sed -i -E 's/tanks-[0-9]+\.[0-9]+\.[0-9]+-win64/tanks-0.9.9-win64/' "$work/tree/README.md"
}
changelog_dated_otherwise() {
  sed -i '0,/^ -- /s/>  .*/>  Fri, 01 Jan 2027 12:00:00 +0000/' "$work/tree/debian/changelog"
}

copy_tree
bash "$source/scripts/check-version" "$work/tree" >/dev/null ||
  { echo "FAIL: the unchanged tree fails the check"; exit 1; }

failed=0
# Each drift, and the file the check must name for it.
while read -r plant named; do
  copy_tree
  "$plant"
  if said=$(bash "$source/scripts/check-version" "$work/tree" 2>&1); then
    echo "FAIL: $plant passes the check"
    failed=1
  elif ! grep -q "^version drift: $named" <<<"$said"; then
    echo "FAIL: $plant fails without naming $named:"
    echo "$said"
    failed=1
  else
    echo "ok: $plant: $(grep -m1 "^version drift: $named" <<<"$said")"
  fi
done <<'EOF'
drop_newest_release packaging/tanks.metainfo.xml.in
readme_names_another_version README.md
changelog_dated_otherwise debian/changelog
EOF
rm -rf "$work/tree"
exit "$failed"
