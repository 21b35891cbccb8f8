# Debian package of the installed program (cpack -G DEB, see scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zudira)
set(CPACK_PACKAGE_VENDOR "${ZUDIRA_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
# Debian's synopsis starts without an article and the description's lines stay within 80
# columns.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for probability distributions")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Zudira computes probabilities and bounds for the Normal, Binomial,\n"
       "Poisson, Exponential, Student T, Chi-Squared and F distributions and\n"
       "for the inverse kinds that solve for a bound. It also lists binomial\n"
       "coefficients, factorials and permutations and prints its answers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZUDIRA_COMPANY_NAME} <${ZUDIRA_MAKER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZUDIRA_MAKER_WEB}")
# Depends is computed from the shared libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
