# The IR signal analyser on full-size capture records (150 pulses, 600 bytes).
# The captures come from the tests' synthesizer (compiled in when the tests are not built).
if(TARGET olv_capture_synth)
  olv_add_bench(bench_analyser bench_analyser.cpp)
  target_link_libraries(bench_analyser PRIVATE olv_capture_synth)
else()
  olv_add_bench(bench_analyser bench_analyser.cpp ${CMAKE_SOURCE_DIR}/tests/support/CaptureSynth.cpp)
  target_include_directories(bench_analyser PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(bench_analyser PRIVATE olv_analyser)
endif()
