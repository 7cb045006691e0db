# SPDX-FileCopyrightText: 2026 Tempozap developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The version and the release date of Tempozap come from one place: the top
# entry of dist/changelog (Debian changelog format). The project version, the
# Debian package, its changelog.gz, the AppStream release and the manual page
# all take them from here, so a release is one new entry at the top of the
# changelog (devscripts' dch writes one: dch -c dist/changelog -v 1.1.0).
#
# Sets TEMPOZAP_VERSION (e.g. 1.0.0) and TEMPOZAP_RELEASE_DATE (e.g. 2026-12-07,
# the day as written in the entry's trailer line). Included before project().

set(_tz_changelog ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_tz_changelog})

file(STRINGS ${_tz_changelog} _tz_head LIMIT_COUNT 1)
if(NOT _tz_head MATCHES "^tempozap \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) [a-zA-Z0-9-]+")
  message(FATAL_ERROR "${_tz_changelog}: the first line is not \"tempozap (X.Y.Z) DISTRIBUTION; ...\": ${_tz_head}")
endif()
set(TEMPOZAP_VERSION ${CMAKE_MATCH_1})

# The first trailer line belongs to the top entry:
#  " -- Name <address>  Mon, 07 Dec 2026 12:00:00 +0000"
file(STRINGS ${_tz_changelog} _tz_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT _tz_trailer MATCHES "^ -- .+>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "${_tz_changelog}: the top entry has no trailer line with a date: ${_tz_trailer}")
endif()
set(_tz_day ${CMAKE_MATCH_1})
set(_tz_month_name ${CMAKE_MATCH_2})
set(_tz_year ${CMAKE_MATCH_3})
set(_tz_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _tz_months ${_tz_month_name} _tz_month)
if(_tz_month LESS 0)
  message(FATAL_ERROR "${_tz_changelog}: no such month: ${_tz_month_name}")
endif()
math(EXPR _tz_month "${_tz_month} + 1")
string(LENGTH ${_tz_day} _tz_length)
if(_tz_length EQUAL 1)
  set(_tz_day 0${_tz_day})
endif()
if(_tz_month LESS 10)
  set(_tz_month 0${_tz_month})
endif()
set(TEMPOZAP_RELEASE_DATE ${_tz_year}-${_tz_month}-${_tz_day})
