# Code generation from a 201-file framework against a plain copy of it.
olv_add_bench(bench_generation bench_generation.cpp)
target_link_libraries(bench_generation PRIVATE olv_core)
