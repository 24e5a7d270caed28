# Writes the site's service worker from its template: the list of the site's files and a
# hash of their contents, which names the worker's cache. Run by CMake in script mode:
#   cmake -D site=<site folder> -D template=<service-worker.js.in> -P write-service-worker.cmake
set(worker service-worker.js)
file(GLOB names LIST_DIRECTORIES false RELATIVE ${site} ${site}/*)
list(REMOVE_ITEM names ${worker})
# Sorted by byte, whatever the locale, so the hash and the list are the same everywhere.
list(SORT names)

set(sums "")
set(SITE_FILES "")
foreach(name IN LISTS names)
  file(SHA256 ${site}/${name} sum)
  string(APPEND sums "${sum}  ${name}\n")
  string(APPEND SITE_FILES "'${name}', ")
endforeach()
string(REGEX REPLACE ", $" "" SITE_FILES "${SITE_FILES}")
string(SHA256 SITE_HASH "${sums}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
configure_file(${template} ${site}/${worker} @ONLY)
# Newer than what it was made from, even when its bytes stayed the same.
file(TOUCH ${site}/${worker})
