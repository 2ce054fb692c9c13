# One libFuzzer program per file of fuzz/; seed inputs in fuzz/corpus/<name>/.
file(GLOB srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
foreach(src ${srcs})
  get_filename_component(stem ${src} NAME_WE)
  add_executable(${stem} ${src})
  target_link_libraries(${stem} PRIVATE vorpa_core vorpa_ipat vorpa_patout vorpa_view)
  target_link_options(${stem} PRIVATE -fsanitize=fuzzer)
endforeach()
