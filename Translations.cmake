# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The translations: translations/horavane_<language>.ts, made from the sources by the `update_translations`
# target (Qt's lupdate) and built into the program by lrelease (src/language). English carries only the
# plural forms of texts with a count; its other texts are the sources themselves.
set(HORAVANE_LANGUAGES de fr)
set(HORAVANE_TS_FILES ${PROJECT_SOURCE_DIR}/translations/horavane_en.ts)
foreach(language IN LISTS HORAVANE_LANGUAGES)
    list(APPEND HORAVANE_TS_FILES ${PROJECT_SOURCE_DIR}/translations/horavane_${language}.ts)
endforeach()
list(TRANSFORM HORAVANE_LANGUAGES PREPEND ${PROJECT_SOURCE_DIR}/translations/horavane_ OUTPUT_VARIABLE ts_stems)
list(TRANSFORM ts_stems APPEND .ts OUTPUT_VARIABLE translated_ts_files)

# Without file locations, so that moving code does not change the translations.
set(HORAVANE_LUPDATE_OPTIONS -locations none -no-obsolete -silent)
add_custom_target(update_translations
    COMMAND Qt6::lupdate ${HORAVANE_LUPDATE_OPTIONS} src -ts ${translated_ts_files}
    COMMAND Qt6::lupdate ${HORAVANE_LUPDATE_OPTIONS} -pluralonly src -ts translations/horavane_en.ts
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating translations/*.ts from the sources"
    VERBATIM)
