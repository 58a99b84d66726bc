# cmake -D trailer=TEXT -D changelog=FILE -P read_changelog.cmake: writes FILE, a changelog whose
# latest entry ends in the trailer line with TEXT, and prints the version and release date that
# the build reads from it.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/changelog.cmake)
file(WRITE ${changelog} "simple-tallomat (1.00) unstable; urgency=medium\n\n  * A release.\n\n"
                        " -- Simple Tallomat developers <developers@simpletallomat.invalid>  "
                        "${trailer}\n")
read_changelog(${changelog} version date)
message("${version} ${date}")
