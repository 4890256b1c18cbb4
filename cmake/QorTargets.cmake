# Shared compile settings and helpers for the project's targets.

add_library(qor_options INTERFACE)
target_compile_options(qor_options INTERFACE -Wall -Wextra)
if(QOR_WERROR)
  target_compile_options(qor_options INTERFACE -Werror)
endif()
if(QOR_SANITIZE)
  target_compile_options(qor_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                               -fno-sanitize-recover=undefined)
  target_link_options(qor_options INTERFACE -fsanitize=address,undefined)
endif()
if(QOR_TSAN)
  target_compile_options(qor_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(qor_options INTERFACE -fsanitize=thread)
endif()

# Sources of a folder, found again whenever a file is added or removed.
function(qor_glob out)
  file(GLOB_RECURSE _files CONFIGURE_DEPENDS ${ARGN})
  list(SORT _files)
  set(${out} ${_files} PARENT_SCOPE)
endfunction()

function(qor_unity target)
  if(QOR_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 12)
  endif()
endfunction()
