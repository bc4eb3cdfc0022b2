# Debian packages: "cpack -G DEB" in a build tree makes tallywick-cli_VERSION_ARCH.deb (the
# command line, for servers: no desktop libraries) and tallywick_VERSION_ARCH.deb (the desktop
# program, its help, icon, menu entry and metadata), which depends on the first.
set(TALLYWICK_PACKAGE_MAINTAINER "The Tallywick developers <packages@tallywick.org>" CACHE STRING
    "Maintainer named in the Debian packages")

set(CPACK_PACKAGE_NAME tallywick)
set(CPACK_PACKAGE_VENDOR "The Tallywick developers")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tallywick.org/")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Each package's description begins with its own synopsis; a package-wide summary would be put
# before it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli)
if(TALLYWICK_GUI)
  list(APPEND CPACK_COMPONENTS_ALL desktop)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TALLYWICK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME tallywick-cli)
set(CPACK_COMPONENT_CLI_DESCRIPTION
    "count the downloads in a web server's access log (command line)
tallywick-cli counts the downloads of your files in your web server's access
log, tells a download that a client split into several requests from a new
one, keeps a history of every download of the files you track and shows it
as text, day by day and as tables by month, weekday and file, also as JSON.
It needs no display, and a systemd user timer can record the day's downloads
once a day.
The desktop program is in the package tallywick.")

set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME tallywick)
set(CPACK_COMPONENT_DESKTOP_DEPENDS cli)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# Qt loads its window-system plugins at run time, unseen by the library scan.
set(CPACK_DEBIAN_DESKTOP_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_COMPONENT_DESKTOP_DESCRIPTION
    "count the downloads in a web site's access log (desktop program)
Tallywick counts the downloads of your files in your web server's access log:
paste the log into its window or open it, and it counts the requests for two
texts of your choice, telling a download that a client split into several
requests from a new one. It keeps a history of every download of the files
you track and shows it as text, day by day, as the days without any download,
and as charts by month, by weekday and by file. It waits in the notification
area when its window is closed.")

include(CPack)
