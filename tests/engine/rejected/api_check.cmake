# Runs the compiler over api_check.cpp: with ACCEPTED it must compile; without,
# every line marked "// refused: <what>" must draw an error on that line.
# Called by CTest as: cmake -DCOMPILER=... -DFLAGS=... -DSOURCE=... -P api_check.cmake
separate_arguments(flag_list UNIX_COMMAND "${FLAGS}")

execute_process(COMMAND ${COMPILER} ${flag_list} -fsyntax-only -DACCEPTED ${SOURCE}
                RESULT_VARIABLE accepted_result OUTPUT_VARIABLE accepted_out ERROR_VARIABLE accepted_out)
if(NOT accepted_result EQUAL 0)
  message(FATAL_ERROR "code the engine must accept does not compile:\n${accepted_out}")
endif()

execute_process(COMMAND ${COMPILER} ${flag_list} -fsyntax-only -fmax-errors=0 ${SOURCE}
                RESULT_VARIABLE refused_result OUTPUT_VARIABLE refused_out ERROR_VARIABLE refused_out)
file(STRINGS ${SOURCE} lines)
get_filename_component(source_name ${SOURCE} NAME)
set(line_number 0)
set(checked 0)
set(missing "")
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line MATCHES "// refused: ([a-z0-9_]+)")
    math(EXPR checked "${checked} + 1")
    if(NOT refused_out MATCHES "${source_name}:${line_number}:[0-9]+: error")
      list(APPEND missing "${CMAKE_MATCH_1} (line ${line_number})")
    endif()
  endif()
endforeach()
if(checked EQUAL 0 OR refused_result EQUAL 0)
  message(FATAL_ERROR "nothing was refused:\n${refused_out}")
endif()
if(missing)
  string(REPLACE ";" "\n  " missing "${missing}")
  message(FATAL_ERROR "the engine accepts what it must refuse:\n  ${missing}")
endif()
message(STATUS "${checked} uses refused, the accepted ones compile")
