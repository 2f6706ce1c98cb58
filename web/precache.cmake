# Writes the page's service worker sw.js into its static folder: the list of
# every file there with the SHA-256 of its bytes, and a version made from that
# list, followed by web/service_worker.js. A change of any file changes the
# worker's bytes, and so the browser installs it anew.
#   cmake -DPAGE_DIR=... -DWORKER=.../service_worker.js -P precache.cmake
file(GLOB_RECURSE files RELATIVE "${PAGE_DIR}" "${PAGE_DIR}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(entries "")
set(listed "")
foreach(name IN LISTS files)
  file(SHA256 "${PAGE_DIR}/${name}" hash)
  string(APPEND entries "  [\"${name}\", \"${hash}\"],\n")
  string(APPEND listed "${name} ${hash}\n")
endforeach()
string(SHA256 version "${listed}")
string(SUBSTRING "${version}" 0 16 version)
file(READ "${WORKER}" worker)
file(WRITE "${PAGE_DIR}/sw.js"
  "// Made by web/precache.cmake from web/service_worker.js: the page's files and their hashes.\n"
  "const kVersion = \"${version}\";\n"
  "const kPrecache = [\n${entries}];\n\n${worker}")
