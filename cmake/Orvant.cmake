# Helpers that keep each folder's CMakeLists a few lines long.

include(GNUInstallDirs)
include(GoogleTest)

# The headers nearly every test includes, compiled once and reused by every test target:
# GoogleTest and the Qt classes the tests drive. (Tests are a good half of the build.)
function(orvant_use_test_pch target)
  if(NOT TARGET orvant_test_pch)
    add_executable(orvant_test_pch ${PROJECT_SOURCE_DIR}/cmake/test_pch_main.cpp)
    target_link_libraries(orvant_test_pch PRIVATE Qt6::Widgets GTest::gtest GTest::gmock)
    target_precompile_headers(orvant_test_pch PRIVATE
      <gtest/gtest.h> <gmock/gmock.h> <QApplication> <QDialog> <QLineEdit> <QPushButton> <QString> <QStringList>
      <QTimer> <QTemporaryDir> <functional> <map> <memory> <optional> <string> <vector>)
  endif()
  target_link_libraries(${target} PRIVATE Qt6::Widgets GTest::gtest GTest::gmock)
  target_precompile_headers(${target} REUSE_FROM orvant_test_pch)
endfunction()

# orvant_add_test(NAME [QT] SOURCES... LIBS libs...)
# A GoogleTest program beside the code it tests, registered with CTest test by test. QT tests
# run inside a QApplication (on the offscreen platform under the test command).
function(orvant_add_test name)
  if(NOT ORVANT_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_QT)
    set(main orvant_qt_test_main)
  else()
    set(main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock ${main} Threads::Threads)
  orvant_use_test_pch(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${T_LABELS}")
endfunction()

# orvant_add_library(NAME SOURCES... LIBS libs...)
# A static library of the foundation; headers are included as "folder/file.h" from common/.
# Its symbols stay visible: the foundation is gathered into one shared library that the
# launcher and every module link (modules themselves export nothing but their entry point).
# Qt-facing parts get moc and uic.
function(orvant_add_library name)
  cmake_parse_arguments(L "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/common)
  target_link_libraries(${name} PUBLIC ${L_LIBS})
  set_target_properties(${name} PROPERTIES
    CXX_VISIBILITY_PRESET default VISIBILITY_INLINES_HIDDEN OFF AUTOMOC ON AUTOUIC ON)
endfunction()

# orvant_add_module(NAME [TEST] SOURCES... LIBS libs...)
# A module library: loaded by its code, exporting nothing but ShowDllForm (hidden visibility
# keeps it unloadable), linked to the shared foundation, carrying its version mark. TEST
# modules serve the tests and are not installed.
function(orvant_add_module name)
  cmake_parse_arguments(M "TEST" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${M_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "" AUTOMOC ON AUTOUIC ON
    LIBRARY_OUTPUT_DIRECTORY ${ORVANT_MODULES_DIR} INSTALL_RPATH "$ORIGIN")
  target_link_libraries(${name} PRIVATE orvant_foundation ${M_LIBS})
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
  if(NOT M_TEST)
    install(TARGETS ${name} LIBRARY DESTINATION Orvant/bin)
  endif()
endfunction()

# orvant_add_suite_library(NAME SOURCES... LIBS libs...)
# A library of the suite that modules link or load (a picker, the quick link, the report
# export): named as its code with no prefix, beside the module libraries, exporting only what
# it marks, linked to the shared foundation.
function(orvant_add_suite_library name)
  cmake_parse_arguments(S "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${S_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "" AUTOMOC ON AUTOUIC ON
    LIBRARY_OUTPUT_DIRECTORY ${ORVANT_MODULES_DIR} INSTALL_RPATH "$ORIGIN")
  target_link_libraries(${name} PUBLIC orvant_foundation PRIVATE ${S_LIBS})
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
  install(TARGETS ${name} LIBRARY DESTINATION Orvant/bin)
endfunction()

# orvant_add_module_test(NAME SOURCES... MODULES modules... LANGUAGES dir [LIBS libs...])
# A test that runs module libraries as the launcher does: linked to the shared foundation (one
# store and one message service with the modules), in a QApplication, with the build tree's
# modules folder and a languages folder compiled in as ORVANT_TEST_MODULES and
# ORVANT_TEST_LANGUAGES.
function(orvant_add_module_test name)
  if(NOT ORVANT_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "LANGUAGES" "SOURCES;MODULES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} orvant_foundation orvant_qt_test_main GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    ORVANT_TEST_MODULES="${ORVANT_MODULES_DIR}" ORVANT_TEST_LANGUAGES="${T_LANGUAGES}")
  add_dependencies(${name} ${T_MODULES})
  orvant_use_test_pch(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
