# Makes DIR/build.velm, a symbolic link to DIR/real/build.velm, afresh for the
# build-file tests.
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}/real")
file(WRITE "${DIR}/real/build.velm" "old")
file(CREATE_LINK "real/build.velm" "${DIR}/build.velm" SYMBOLIC)
