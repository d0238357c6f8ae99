# The manual pages, the copyright file, the changelog and the AppStream
# metadata, made from packaging/ with the project's version and release date.
# Manual pages and the changelog are compressed as Debian does it: gzip -9n,
# so that the same sources give the same bytes.

execute_process(
  COMMAND date -u -R -d "${QX30_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE QX30_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)

set(doc_out ${PROJECT_BINARY_DIR}/packaging)
find_program(GZIP gzip REQUIRED)

# qx30_gzip(NAME SOURCE.in DESTINATION): configure, compress, install.
function(qx30_gzip name source destination)
  configure_file(${source} ${doc_out}/${name} @ONLY)
  add_custom_command(OUTPUT ${doc_out}/${name}.gz
    COMMAND ${GZIP} -9nc ${doc_out}/${name} > ${doc_out}/${name}.gz
    DEPENDS ${doc_out}/${name} VERBATIM)
  list(APPEND QX30_GZIPPED ${doc_out}/${name}.gz)
  set(QX30_GZIPPED ${QX30_GZIPPED} PARENT_SCOPE)
  install(FILES ${doc_out}/${name}.gz DESTINATION ${destination})
endfunction()

set(man ${PROJECT_SOURCE_DIR}/packaging/man)
qx30_gzip(man/qx30.1 ${man}/qx30.1.in ${CMAKE_INSTALL_MANDIR}/man1)
qx30_gzip(man/qx30-seance.1 ${man}/qx30-seance.1.in ${CMAKE_INSTALL_MANDIR}/man1)
qx30_gzip(man/fr/qx30.1 ${man}/fr/qx30.1.in ${CMAKE_INSTALL_MANDIR}/fr/man1)
qx30_gzip(man/fr/qx30-seance.1 ${man}/fr/qx30-seance.1.in ${CMAKE_INSTALL_MANDIR}/fr/man1)
qx30_gzip(changelog ${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_INSTALL_DOCDIR})
add_custom_target(qx30_documentation ALL DEPENDS ${QX30_GZIPPED})

configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${doc_out}/copyright @ONLY)
install(FILES ${doc_out}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

configure_file(${PROJECT_SOURCE_DIR}/packaging/fr.tarvennes.qx30.metainfo.xml.in
  ${doc_out}/fr.tarvennes.qx30.metainfo.xml @ONLY)
install(FILES ${doc_out}/fr.tarvennes.qx30.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
