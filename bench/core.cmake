# Code generation from a 201-file framework against a plain copy of it.
olv_add_bench(bench_generation bench_generation.cpp)
target_link_libraries(bench_generation PRIVATE olv_core)

# The output folder steps as a process, timed against "cp -r" by bench_generation.
add_executable(olv_output_driver output_driver.cpp)
target_link_libraries(olv_output_driver PRIVATE olv_core)
