# The packaging files read by the Debian tools that check them: the manual pages by man's own
# warnings (groff's, which lintian reports too), the desktop entry by desktop-file-validate and
# the AppStream metadata by appstreamcli. A missing tool fails its test and names its package.
set(quiet_check sh ${CMAKE_CURRENT_SOURCE_DIR}/packaging/quiet_check.sh)
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
foreach(page vireon vireon-ephem)
  add_test(NAME Packaging.man_page_${page}_has_no_warnings
           COMMAND ${quiet_check} stderr man-db man --warnings -E UTF-8 -l ${packaging_dir}/man/${page}.1)
  set_tests_properties(Packaging.man_page_${page}_has_no_warnings PROPERTIES
                       ENVIRONMENT "LC_ALL=C.UTF-8;MANWIDTH=80" TIMEOUT 60)
endforeach()
add_test(NAME Packaging.desktop_entry_is_valid
         COMMAND ${quiet_check} output desktop-file-utils desktop-file-validate
                 ${packaging_dir}/org.example.vireon.desktop)
add_test(NAME Packaging.appstream_metadata_is_valid
         COMMAND ${quiet_check} status appstream appstreamcli validate --no-net --strict --pedantic --explain
                 ${packaging_dir}/org.example.vireon.metainfo.xml)
set_tests_properties(Packaging.desktop_entry_is_valid Packaging.appstream_metadata_is_valid PROPERTIES TIMEOUT 60)
