# End-to-end tests: a Win32 driver that starts rowfall.scr under Wine as a black
# box, plus the test-only PASSWORD.CPL it places beside a copy of the saver and the
# x64 installer package made from the same .scr.
add_library(password_cpl SHARED ${CMAKE_SOURCE_DIR}/e2e/password_cpl.cpp)
set_target_properties(password_cpl PROPERTIES PREFIX "" OUTPUT_NAME "PASSWORD" SUFFIX ".CPL")
target_link_options(password_cpl PRIVATE ${STATIC_LINK} -Wl,--kill-at)

# The package twice, from two wixl runs: each has product and package codes of its own,
# as a rebuilt release of the same version would.
set(ROWFALL_MSI ${CMAKE_BINARY_DIR}/rowfall-x64.msi)
set(ROWFALL_MSI_REBUILT ${CMAKE_BINARY_DIR}/rowfall-x64-rebuilt.msi)
foreach(msi ${ROWFALL_MSI} ${ROWFALL_MSI_REBUILT})
  add_custom_command(OUTPUT ${msi}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-msi.sh x64 ${ROWFALL_SCR} ${msi}
    DEPENDS rowfall ${ROWFALL_SCR} ${CMAKE_SOURCE_DIR}/scripts/make-msi.sh
            ${CMAKE_SOURCE_DIR}/resources/rowfall.wxs ${CMAKE_SOURCE_DIR}/resources/version.rc)
endforeach()
add_custom_target(rowfall_msi DEPENDS ${ROWFALL_MSI} ${ROWFALL_MSI_REBUILT})

file(GLOB e2e_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/e2e/*_test.cpp)
# The layout rule, so the shapes test knows where the boxes belong on its screen.
add_executable(e2e_tests ${e2e_sources} ${CMAKE_SOURCE_DIR}/e2e/driver.cpp
               ${CMAKE_SOURCE_DIR}/e2e/saver_fixture.cpp ${CMAKE_SOURCE_DIR}/pacing/layout.cpp)
target_link_libraries(e2e_tests gtest_main screen_input)
target_link_options(e2e_tests PRIVATE ${STATIC_LINK})
target_compile_definitions(e2e_tests PRIVATE
  ROWFALL_SCR_PATH="${ROWFALL_SCR}"
  ROWFALL_PASSWORD_CPL_PATH="$<TARGET_FILE:password_cpl>"
  ROWFALL_MSI_PATH="${ROWFALL_MSI}"
  ROWFALL_MSI_REBUILT_PATH="${ROWFALL_MSI_REBUILT}"
  ROWFALL_E2E_WORK="${CMAKE_BINARY_DIR}/e2e-work")
add_dependencies(e2e_tests rowfall password_cpl rowfall_msi)
# With a window manager, as on every desktop a saver runs on (see the script).
add_test(NAME e2e_tests
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/with-window-manager.sh
                 ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:e2e_tests>
                 --gtest_filter=-TwoMonitors*:Shapes*:Resize*)
set_tests_properties(e2e_tests PROPERTIES ENVIRONMENT "${WINE_ENV}" TIMEOUT 600)

# The two-monitor cases, and the printed figures once more, on a virtual screen of two
# monitors; a prefix of its own, since its X11 settings differ.
add_test(NAME e2e_two_monitors
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/two-monitors.sh $<TARGET_FILE:e2e_tests>
                 --gtest_filter=TwoMonitors*:Figures.*)
set_tests_properties(e2e_two_monitors PROPERTIES
  ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-two-monitors" TIMEOUT 600)

# The shapes far from 4:3, on screens of their own sizes; a prefix of its own.
add_test(NAME e2e_shapes
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/shapes.sh 5120x1440 1080x1920 --
                 $<TARGET_FILE:e2e_tests> --gtest_filter=Shapes*)
set_tests_properties(e2e_shapes PROPERTIES
  ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-shapes" TIMEOUT 600)

# A run whose screen grows from 1024 x 768 to 1280 x 1024: Wine's virtual desktop, on an
# X screen with room for the larger mode; the shapes prefix, one tier after the other.
add_test(NAME e2e_resize
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/virtual-desktop.sh 1024x768
                 $<TARGET_FILE:e2e_tests> --gtest_filter=Resize*)
set_tests_properties(e2e_resize PROPERTIES
  ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-shapes;ROWFALL_SCREEN=1280x1024" TIMEOUT 300)
