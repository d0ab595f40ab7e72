# Sourced by the build scripts: build with ccache when it is installed. Paths are
# hashed relative to the checkout, so a clone in another folder (as CI makes)
# still finds the objects an earlier build compiled. Depend mode takes the
# headers from the compiler's own dependency list instead of running the
# preprocessor once more for every object not in the cache (a tenth of its
# compile).
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=true CCACHE_DEPEND=true
fi
