# Configures and builds presets. Sourced, not run.

wordsnap_build_presets() {
  local preset
  for preset in "$@"; do
    cmake --preset "$preset" >/dev/null || return 1
    cmake --build --preset "$preset" || return 1
  done
}

# Every preset: what scripts/test needs. The 32-bit build is compiled and linked to
# prove the product builds there; its tests and test tools are not run, so they are
# not built.
wordsnap_build_all() {
  wordsnap_build_presets native win64 bench || return 1
  cmake --preset win32 >/dev/null || return 1
  cmake --build --preset win32 --target Wordsnap wordsnap_hook cueview
}

# The plain logic and the Windows program: what scripts/run needs.
wordsnap_build_product() {
  wordsnap_build_presets native win64
}
