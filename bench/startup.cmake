# Start-up of the program against a bare wx dialog, both as processes (Linux).
if(UNIX AND NOT APPLE)
  add_executable(bench_startup_reference startup_reference.cpp)
  target_link_libraries(bench_startup_reference PRIVATE wx::gui)
  olv_add_bench(bench_startup bench_startup.cpp)
  target_compile_definitions(bench_startup PRIVATE OLV_PROGRAM_PATH="${OLV_DIST_DIR}/olvanta"
                                                   OLV_REFERENCE_PATH="$<TARGET_FILE:bench_startup_reference>")
  add_dependencies(bench_startup olvanta bench_startup_reference)
endif()
