# Debian package of the installed program (cpack -G DEB, see scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zudira)
set(CPACK_PACKAGE_VENDOR "${ZUDIRA_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ZUDIRA_COMMENTS}")
set(CPACK_PACKAGE_DESCRIPTION
    "Zudira computes probabilities and bounds for the Normal, Binomial, Poisson, Exponential,\nStudent T, Chi-Squared and F distributions and the inverse kinds that solve for a bound.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZUDIRA_COMPANY_NAME} <${ZUDIRA_MAKER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZUDIRA_MAKER_WEB}")
# Depends is computed from the shared libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
