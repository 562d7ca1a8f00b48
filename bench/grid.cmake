olv_add_bench(bench_grid bench_grid.cpp)
target_link_libraries(bench_grid PRIVATE olv_controls)
