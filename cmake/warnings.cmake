# Warnings are private to each of our targets so that Qt's and GoogleTest's
# headers never decide whether our build passes.
function(chemeng_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
  if(CHEMENG_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
