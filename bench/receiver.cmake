# The IR signal analyser on full-size capture records (150 pulses, 600 bytes).
olv_add_bench(bench_analyser bench_analyser.cpp ${CMAKE_SOURCE_DIR}/tests/receiver/CaptureSynth.cpp)
target_include_directories(bench_analyser PRIVATE ${CMAKE_SOURCE_DIR}/tests/receiver)
target_link_libraries(bench_analyser PRIVATE olv_analyser)
