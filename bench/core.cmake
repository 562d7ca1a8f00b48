
# The output folder steps as a process, timed against "cp -r" by bench_generation.
add_executable(olv_output_driver output_driver.cpp)
target_link_libraries(olv_output_driver PRIVATE olv_core)

# The output folder steps over a 201-file stress framework against a plain copy of it.
olv_add_bench(bench_generation bench_generation.cpp)
target_link_libraries(bench_generation PRIVATE olv_core)
target_compile_definitions(bench_generation PRIVATE OLV_OUTPUT_DRIVER="$<TARGET_FILE:olv_output_driver>")
add_dependencies(bench_generation olv_output_driver)
