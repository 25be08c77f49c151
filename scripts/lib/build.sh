# Configures and builds presets, or only what one job needs. Sourced, not run.

wordsnap_build_presets() {
  local preset
  for preset in "$@"; do
    cmake --preset "$preset" >/dev/null || return 1
    cmake --build --preset "$preset" || return 1
  done
}

# Configures one preset and builds only the given targets of it.
wordsnap_build_targets() {
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null || return 1
  cmake --build --preset "$preset" --target "$@"
}

# The program directory: Wordsnap.exe, the hook library, the hint program, the spelling library and its word lists.
WORDSNAP_PRODUCT_TARGETS=(Wordsnap wordsnap_hook cueview wordsnap_spell spell_dictionaries)

# Every preset: what scripts/test needs. The 32-bit build is compiled and linked to
# prove the product builds there; its tests and test tools are not run, so they are
# not built.
wordsnap_build_all() {
  wordsnap_build_presets native win64 bench || return 1
  wordsnap_build_targets win32 "${WORDSNAP_PRODUCT_TARGETS[@]}"
}

# The Windows program alone (win64): what scripts/run starts.
wordsnap_build_product() {
  wordsnap_build_targets win64 "${WORDSNAP_PRODUCT_TARGETS[@]}"
}

# The program and the two tools the demo uses: wintool (hands inside Wine) and the target window.
wordsnap_build_demo() {
  wordsnap_build_targets win64 "${WORDSNAP_PRODUCT_TARGETS[@]}" wintool snaptarget
}

# One layer of tests, for scripts/test <layer>.
wordsnap_build_native_tests() { wordsnap_build_presets native; }
wordsnap_build_win_tests() { wordsnap_build_targets win64 wordsnap_win_tests; }
# The product and every test tool (the demo and the end-to-end tests).
wordsnap_build_e2e() { wordsnap_build_targets win64 wordsnap_e2e_programs; }
