# Installation and the Debian package. An installation is one program directory, laid out as
# the build's bin/ is (programs, libraries, zepmain.cgw and its layouts, the scanner types,
# help), under lib/zepsetup of the prefix; the programs find the libraries beside them through
# their run path $ORIGIN. bin/ holds relative links to the programs, and zepmain gets a desktop
# entry and an icon.
#
#   cmake --install build --prefix /opt/zep          (or DESTDIR=... for a staging root)
#   cpack --config build/CPackConfig.cmake -G DEB    (scripts/package.sh does this and checks it)
set(ZEP_INSTALL_DIR lib/zepsetup)

set(ZEP_INSTALL_TARGETS zepdll gwcore gwui zepcli zepprofile)
foreach(optional zepsim zepmain)
    if(TARGET ${optional})
        list(APPEND ZEP_INSTALL_TARGETS ${optional})
    endif()
endforeach()
install(TARGETS ${ZEP_INSTALL_TARGETS}
        RUNTIME DESTINATION ${ZEP_INSTALL_DIR}
        LIBRARY DESTINATION ${ZEP_INSTALL_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${ZEP_INSTALL_DIR}
        PATTERN "README.md" EXCLUDE)

# bin/NAME -> ../lib/zepsetup/NAME, relative so that the tree works wherever it is unpacked.
foreach(program zepcli zepmain)
    if(TARGET ${program})
        install(CODE "
            set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
            file(MAKE_DIRECTORY \"\${bin}\")
            file(CREATE_LINK ../${ZEP_INSTALL_DIR}/${program} \"\${bin}/${program}\" SYMBOLIC)")
    endif()
endforeach()
if(TARGET zepmain)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/zepmain.desktop DESTINATION share/applications)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/zepmain.svg
            DESTINATION share/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME zepsetup)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "zep setup maintainers <zepsetup@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration tool for RS-232 barcode scanners (zepmain, zepcli)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries (and with them the offscreen and xcb platforms) from Debian's packages;
# fonts for the printed reports.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${ZEP_PROGRAM_DIR})
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
