# One benchmark program per file of bench/ (and bench/gui/ for the windows).
find_package(benchmark REQUIRED)

function(vorpa_benches pattern)
  file(GLOB srcs CONFIGURE_DEPENDS ${pattern})
  foreach(src ${srcs})
    get_filename_component(stem ${src} NAME_WE)
    add_executable(bench_${stem} ${src})
    target_link_libraries(bench_${stem} PRIVATE ${ARGN} vorpa_core vorpa_ipat vorpa_patout vorpa_view benchmark::benchmark_main)
    target_include_directories(bench_${stem} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/bench)
    target_compile_definitions(bench_${stem} PRIVATE VORPA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      VORPA_IPATD_PATH="$<TARGET_FILE:vorpa-ipatd>")
  endforeach()
endfunction()

vorpa_benches(${PROJECT_SOURCE_DIR}/bench/*.cpp)
if(VORPA_GUI)
  vorpa_benches(${PROJECT_SOURCE_DIR}/bench/gui/*.cpp vorpa_gui)
endif()
