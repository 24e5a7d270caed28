# Sourced by the scripts that build from Debian's source packages.
#
# fetch_debian_source PACKAGE APT_DIR unpacks PACKAGE's Debian source into the
# current folder through an apt configuration of our own in APT_DIR (its
# sources, lists and cache), so the system's apt configuration is never
# touched. Its sources are the deb-src twins of the Debian archive the machine
# already installs from, through the machine's own mirror.
fetch_debian_source() {
  local package=$1 apt=$2 codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
    'Created-By: Packages' 'Origin: Debian' "Release: $codename" | sort -u |
    while read -r uri release component; do
      echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $release $component"
    done >"$apt/sources.list"
  [ -s "$apt/sources.list" ] || { echo "apt installs from no Debian archive for $codename" >&2; return 1; }
  local private=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/sources.list.d"
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User="$(id -un)")
  apt-get "${private[@]}" update -qq
  apt-get "${private[@]}" source -qq "$package"
}
