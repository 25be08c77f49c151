# Configures and builds presets. Sourced, not run.

wordsnap_build_presets() {
  local preset
  for preset in "$@"; do
    cmake --preset "$preset" >/dev/null || return 1
    cmake --build --preset "$preset" || return 1
  done
}

# Every preset: what scripts/test needs.
wordsnap_build_all() {
  wordsnap_build_presets native win64 win32 bench
}

# The plain logic and the Windows program: what scripts/run needs.
wordsnap_build_product() {
  wordsnap_build_presets native win64
}
