add_executable(bench_startup EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp)
target_link_libraries(bench_startup PRIVATE Qt6::Core)
add_executable(bench_click EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_click.cpp)
target_link_libraries(bench_click PRIVATE chimewise_core)
