# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack before it makes the package. Every commit gives the package a
# new version and so a new file name: the packages of earlier builds go, so
# that the build folder holds one, the one "veltrin_*.deb" names.
file(GLOB old_packages "${CPACK_PACKAGE_DIRECTORY}/veltrin_*.deb")
if(old_packages)
  file(REMOVE ${old_packages})
endif()
