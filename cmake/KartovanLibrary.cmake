# kartovan_library(name folder...): a static library of every source in the folders.
# The root is the include directory, so headers are named by folder: "model/Cards.h".
function(kartovan_library name)
  set(sources "")
  foreach(folder IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    # A layer whose sources have not come yet still links.
    set(empty "${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp")
    file(WRITE "${empty}" "")
    list(APPEND sources "${empty}")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()
