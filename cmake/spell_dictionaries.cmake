# The spelling engine's word lists, built from Debian's word lists (wamerican*,
# wbritish*) and codespell's misspellings by the host tool spelldict. They are
# made again only when an input or the tool changes.
#
# wordsnap_spell_dictionaries(TOOL <exe> TOOL_TARGET <target> OUTPUT_DIR <dir>)
# adds the target spell_dictionaries; the held-out misspellings for the
# benchmark land in ${CMAKE_BINARY_DIR}/spell.
set(WORDSNAP_DICT_DIR /usr/share/dict CACHE PATH "Folder of the system word lists")
set(WORDSNAP_MISSPELLINGS /usr/lib/python3/dist-packages/codespell_lib/data/dictionary.txt
    CACHE FILEPATH "codespell's list of common misspellings")

function(wordsnap_spell_dictionaries)
  cmake_parse_arguments(ARG "" "TOOL;TOOL_TARGET;OUTPUT_DIR" "" ${ARGN})
  set(holdout_dir ${CMAKE_BINARY_DIR}/spell)
  file(MAKE_DIRECTORY ${holdout_dir} ${ARG_OUTPUT_DIR})
  set(outputs)
  foreach(lang IN ITEMS am:american br:british)
    string(REPLACE ":" ";" pair ${lang})
    list(GET pair 0 code)
    list(GET pair 1 name)
    set(lists ${WORDSNAP_DICT_DIR}/${name}-english-small ${WORDSNAP_DICT_DIR}/${name}-english
              ${WORDSNAP_DICT_DIR}/${name}-english-large)
    set(main ${ARG_OUTPUT_DIR}/ssce${code}.tlx)
    set(changes ${ARG_OUTPUT_DIR}/ssce${code}1.clx)
    set(holdout ${holdout_dir}/holdout-${code}.txt)
    add_custom_command(OUTPUT ${main}
      COMMAND ${ARG_TOOL} words ${main} ${lists}
      DEPENDS ${lists} ${ARG_TOOL_TARGET}
      COMMENT "Word list ${main}" VERBATIM)
    add_custom_command(OUTPUT ${changes} ${holdout}
      COMMAND ${ARG_TOOL} changes ${changes} ${holdout} ${main} ${WORDSNAP_MISSPELLINGS}
      DEPENDS ${main} ${WORDSNAP_MISSPELLINGS} ${ARG_TOOL_TARGET}
      COMMENT "Change list ${changes}" VERBATIM)
    list(APPEND outputs ${main} ${changes} ${holdout})
  endforeach()
  add_custom_target(spell_dictionaries ALL DEPENDS ${outputs})
endfunction()
