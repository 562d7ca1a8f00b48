# The output command over the largest framework of the install against a plain copy of it.
olv_add_bench(bench_output bench_output.cpp)
target_link_libraries(bench_output PRIVATE olv_keys olv_protocol)
target_compile_definitions(bench_output PRIVATE OLV_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                OLV_DIST_DIR="${OLV_DIST_DIR}"
                                                OLV_OUTPUT_DRIVER="$<TARGET_FILE:olv_output_driver>")
add_dependencies(bench_output Calcivo olv_output_driver)
