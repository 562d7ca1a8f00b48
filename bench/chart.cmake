olv_add_bench(bench_chart bench_chart.cpp)
target_link_libraries(bench_chart PRIVATE olv_controls)

# The wave chart's zoom on a long capture against a short one (needs a display).
olv_add_bench(bench_chart_zoom bench_chart_zoom.cpp)
target_link_libraries(bench_chart_zoom PRIVATE olv_controls)
