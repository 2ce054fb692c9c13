# Targets of the project. Sources are picked up by folder: window code
# (*Form*, MainFrm*, everything in ui/) goes into vorpa_gui, the rest of each
# folder into its plain C++ library.

find_package(PkgConfig REQUIRED)
find_package(CURL REQUIRED)
find_package(ICU REQUIRED COMPONENTS uc i18n)
find_package(Threads REQUIRED)
find_package(SQLite3 REQUIRED)

set(VORPA_SRC ${PROJECT_SOURCE_DIR}/src)

# vorpa_library(NAME FOLDER LIBS...): a static library of the non-window
# sources of FOLDER (recursively); an interface library while it has none.
function(vorpa_library name folder)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${VORPA_SRC}/${folder}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "(Form|MainFrm)[^/]*\\.cpp$")
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${VORPA_SRC} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${VORPA_SRC} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

vorpa_library(vorpa_core core ICU::uc ICU::i18n Threads::Threads)
# The SQLite index of every stored race, kept up to date by the stores.
vorpa_library(vorpa_history history vorpa_core SQLite::SQLite3)
vorpa_library(vorpa_ipat ipat vorpa_core vorpa_history CURL::libcurl)
vorpa_library(vorpa_patout patout vorpa_core vorpa_ipat)
# What is computed from stored readings: odds movement, alerts, fair odds
# and distortion.
vorpa_library(vorpa_analysis analysis vorpa_core vorpa_history)
# What the views show (texts, orders, colours) without any window.
vorpa_library(vorpa_view view vorpa_core vorpa_history vorpa_analysis)

# vorpa_executable(NAME FOLDER LIBS...): one program of all sources of FOLDER.
function(vorpa_executable name folder)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${VORPA_SRC}/${folder}/*.cpp)
  if(srcs)
    add_executable(${name} ${srcs})
    target_link_libraries(${name} PRIVATE ${ARGN})
  endif()
endfunction()

find_path(HTTPLIB_INCLUDE_DIR httplib.h REQUIRED)
vorpa_executable(vorpa-ipatd server vorpa_core Threads::Threads)
if(TARGET vorpa-ipatd)
  # Debian builds cpp-httplib as a library; its flags must match the build.
  pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
  target_link_libraries(vorpa-ipatd PRIVATE PkgConfig::HTTPLIB)
endif()
if(NOT VORPA_FUZZ AND NOT VORPA_TSAN)
  vorpa_executable(vorpa-tool tools vorpa_core vorpa_history vorpa_ipat vorpa_patout vorpa_view vorpa_analysis)
endif()

if(VORPA_GUI AND EXISTS ${VORPA_SRC}/ui/main.cpp)
  find_package(Qt6 REQUIRED COMPONENTS Widgets Charts DBus)
  file(GLOB_RECURSE gui_srcs CONFIGURE_DEPENDS
       ${VORPA_SRC}/ui/*.cpp ${VORPA_SRC}/ipat/*Form*.cpp ${VORPA_SRC}/patout/*Form*.cpp)
  list(FILTER gui_srcs EXCLUDE REGEX "/ui/main\\.cpp$")
  add_library(vorpa_gui STATIC ${gui_srcs})
  set_target_properties(vorpa_gui PROPERTIES AUTOMOC ON AUTORCC ON)
  target_link_libraries(vorpa_gui PUBLIC vorpa_core vorpa_history vorpa_ipat vorpa_patout vorpa_view vorpa_analysis Qt6::Widgets Qt6::Charts Qt6::DBus)
  add_executable(vorpa ${VORPA_SRC}/ui/main.cpp)
  target_link_libraries(vorpa PRIVATE vorpa_gui)
else()
  set(VORPA_GUI OFF)
endif()

if(VORPA_TESTS)
  include(cmake/VorpaTests.cmake)
endif()
if(VORPA_BENCH)
  include(cmake/VorpaBench.cmake)
endif()
if(VORPA_FUZZ)
  include(cmake/VorpaFuzz.cmake)
endif()
