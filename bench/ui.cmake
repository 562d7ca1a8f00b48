# The page background of the start and example pages.
olv_add_bench(bench_pages bench_pages.cpp)
target_link_libraries(bench_pages PRIVATE olv_ui)
# A project save that carries 5000 keys over from the file on disk.
olv_add_bench(bench_save bench_save.cpp)
target_link_libraries(bench_save PRIVATE olv_shell)
