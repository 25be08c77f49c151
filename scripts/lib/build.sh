# Configures and builds every preset. Sourced, not run.
wordsnap_build_all() {
  local preset
  for preset in native win64 win32 bench; do
    cmake --preset "$preset" >/dev/null || return 1
    cmake --build --preset "$preset" || return 1
  done
}
