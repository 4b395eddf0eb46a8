add_executable(bench_bare_window EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp
    ${PROJECT_SOURCE_DIR}/app/timing.cpp)
target_include_directories(bench_bare_window PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(bench_bare_window PRIVATE Qt6::Widgets)
# Watches the screen through Xlib (libx11-dev) as a second X client.
pkg_check_modules(STARTUP_X IMPORTED_TARGET x11)
if(STARTUP_X_FOUND)
    add_executable(bench_startup EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp
        ${CMAKE_CURRENT_LIST_DIR}/cputime.cpp ${CMAKE_CURRENT_LIST_DIR}/cputime.h
        ${CMAKE_CURRENT_LIST_DIR}/pixelwatch.cpp ${CMAKE_CURRENT_LIST_DIR}/pixelwatch.h)
    target_include_directories(bench_startup PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
    target_link_libraries(bench_startup PRIVATE Qt6::Core PkgConfig::STARTUP_X)
endif()
add_executable(bench_click EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_click.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cputime.cpp ${CMAKE_CURRENT_LIST_DIR}/cputime.h)
target_include_directories(bench_click PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(bench_click PRIVATE chimewise_core chimewise_sound)
