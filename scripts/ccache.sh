# Sourced by the build scripts: build with ccache when it is installed. Paths are
# hashed relative to the checkout, so a clone in another folder (as CI makes)
# still finds the objects an earlier build compiled.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=true
fi
