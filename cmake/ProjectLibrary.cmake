# project_library(NAME DIR [LINK libs...])
# One static library per top-level folder, built from every .cpp below DIR (globbed, so
# adding a file needs no edit here). A folder with no sources yet gives an interface library.
function(project_library name dir)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${dir}/*.h)
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_LINK)
      target_link_libraries(${name} PUBLIC ${ARG_LINK})
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    if(ARG_LINK)
      target_link_libraries(${name} INTERFACE ${ARG_LINK})
    endif()
  endif()
endfunction()

# project_test(NAME DIR [LINK libs...])
# One GoogleTest binary from the *Test.cpp files below DIR (and the helper sources beside
# them), with the shared test main and fakes. Tests run headless: the test main chooses
# offscreen Qt, SDL's dummy audio driver and a fixed locale unless the environment says
# otherwise.
function(project_test name dir)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${dir}/*Test.cpp)
  if(NOT tests)
    return()
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE test_support ${ARG_LINK})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60
    TEST_LIST ${name}_TESTS)
  # The environment is set by a script CTest runs after discovery: passed through PROPERTIES,
  # gtest_discover_tests splits the list and every variable after the first is lost.
  set(env "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;LANG=C.UTF-8;PROJECT_SOURCE_DIR=${PROJECT_SOURCE_DIR};PROJECT_BINARY_DIR=${PROJECT_BINARY_DIR};FIXTURES_DIR=${FIXTURES_DIR}")
  set(env_script ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${env_script} "if(${name}_TESTS)\n  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${env}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_script})
endfunction()
