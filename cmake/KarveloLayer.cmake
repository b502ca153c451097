# One static library per layer folder; every .cpp in the folder belongs to it,
# so adding a file needs no edit here.
function(karvelo_layer name)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT srcs)
    set(srcs ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${srcs} "// layer ${name} has no sources yet\n")
  endif()
  add_library(kv_${name} STATIC ${srcs})
  target_include_directories(kv_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(kv_${name} PUBLIC ${L_DEPS})
  target_compile_definitions(kv_${name} PUBLIC
    KARVELO_VERSION="${PROJECT_VERSION}" QT_NO_KEYWORDS)
endfunction()

# One GoogleTest executable per test source, so a broken file breaks only itself.
# GUI tests (file name ending in _gui_test.cpp) run on the offscreen platform.
function(karvelo_tests layer)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(src ${tests})
    get_filename_component(base ${src} NAME_WE)
    set(target ${layer}_${base})
    add_executable(${target} ${src})
    if(base MATCHES "_gui_test$")
      target_link_libraries(${target} PRIVATE ${T_DEPS} kv_testsupport_gui GTest::gtest GTest::gmock)
    else()
      target_link_libraries(${target} PRIVATE ${T_DEPS} kv_testsupport GTest::gtest GTest::gmock)
    endif()
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=/tmp"
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      LABELS ${layer})
  endforeach()
endfunction()
