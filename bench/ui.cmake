# The page background of the start and example pages.
olv_add_bench(bench_pages bench_pages.cpp)
target_link_libraries(bench_pages PRIVATE olv_ui)
