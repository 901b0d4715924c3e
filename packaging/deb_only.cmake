# Run by CPack alone, into the package's tree: what a Debian package carries and a user install does not.
# file(INSTALL) puts it under the DESTDIR that CPack sets.
file(INSTALL ${CPACK_PETALGAME_LINTIAN_OVERRIDES}
  DESTINATION ${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides RENAME petalgame32)
