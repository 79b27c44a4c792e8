# Read by cpack once per generator.
if(CPACK_GENERATOR STREQUAL "DEB")
    # The whole default installation under /usr; the portable component is
    # excluded from it.
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
elseif(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_COMPONENTS_ALL portable)
    # One top folder, runechecklist-<version>-Linux, that is the program folder.
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()
