# Builds one fuzz target with clang and runs it briefly from a seed corpus of
# its format: good files in several layouts and a short one.
# Variables: CLANGXX, SRC (source tree), BIN (build folder), FORMAT (dat or
# adj: the target <FORMAT>_file_fuzz), RUNS, SECONDS.
foreach(v CLANGXX SRC BIN FORMAT RUNS SECONDS)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "run_fuzz.cmake needs -D${v}=...")
  endif()
endforeach()
set(target ${FORMAT}_file_fuzz)

execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SRC}/tests/fuzz -B ${BIN} -DCMAKE_CXX_COMPILER=${CLANGXX}
          -DZV_ROOT=${SRC} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring the fuzz targets failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BIN} --target ${target} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building ${target} failed")
endif()

# The seed corpus of the format: lines of numbers in the compact form and
# with commas. The image file's lines start with three row-number items.
set(corpus ${BIN}/corpus_${FORMAT})
file(REMOVE_RECURSE ${corpus})
file(MAKE_DIRECTORY ${corpus})
if(FORMAT STREQUAL "dat")
  set(last_row 1024)
  set(max_len 300000)
elseif(FORMAT STREQUAL "adj")
  set(last_row 31)
  set(max_len 20000)
else()
  message(FATAL_ERROR "unknown format ${FORMAT}")
endif()
set(compact "")
set(commas "")
foreach(r RANGE 0 ${last_row})
  set(line "")
  set(cline "")
  if(FORMAT STREQUAL "dat")
    math(EXPR hi "${r} / 16")
    math(EXPR lo "${r} % 16")
    set(line " ${hi}  ${lo}  ${r} ")
    set(cline "${hi},${lo},${r},")
  endif()
  foreach(c RANGE 0 15)
    math(EXPR v "(${r} * 7 + ${c} * 13) % 256")
    string(APPEND line " ${v} ")
    string(APPEND cline "${v},")
  endforeach()
  string(APPEND compact "${line}\r\n")
  string(APPEND commas "${cline}\n")
endforeach()
file(WRITE ${corpus}/compact.${FORMAT} "${compact}")
file(WRITE ${corpus}/commas.${FORMAT} "${commas}")
string(LENGTH "${compact}" len)
math(EXPR half "${len} / 2")
string(SUBSTRING "${compact}" 0 ${half} short)
file(WRITE ${corpus}/short.${FORMAT} "${short}")

execute_process(
  COMMAND ${BIN}/${target} -runs=${RUNS} -max_total_time=${SECONDS} -max_len=${max_len}
          -print_final_stats=1 ${corpus}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${target} found a fault (exit ${rc})")
endif()
