# Builds the image-file fuzz target with clang and runs it briefly from a seed
# corpus of good files (compact, zoned-like, with commas) and near misses.
# Variables: CLANGXX, SRC (source tree), BIN (build folder), RUNS, SECONDS.
foreach(v CLANGXX SRC BIN RUNS SECONDS)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "run_fuzz.cmake needs -D${v}=...")
  endif()
endforeach()

execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SRC}/tests/fuzz -B ${BIN} -DCMAKE_CXX_COMPILER=${CLANGXX}
          -DZV_ROOT=${SRC} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring the fuzz target failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BIN} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building the fuzz target failed")
endif()

# Seeds: one good file per layout and a short one.
set(corpus ${BIN}/corpus)
file(REMOVE_RECURSE ${corpus})
file(MAKE_DIRECTORY ${corpus})
set(compact "")
set(commas "")
foreach(r RANGE 0 1024)
  math(EXPR hi "${r} / 16")
  math(EXPR lo "${r} % 16")
  set(line " ${hi}  ${lo}  ${r} ")
  set(cline "${hi},${lo},${r}")
  foreach(c RANGE 0 15)
    math(EXPR v "(${r} * 7 + ${c} * 13) % 256")
    string(APPEND line " ${v} ")
    string(APPEND cline ",${v}")
  endforeach()
  string(APPEND compact "${line}\r\n")
  string(APPEND commas "${cline}\n")
endforeach()
file(WRITE ${corpus}/compact.dat "${compact}")
file(WRITE ${corpus}/commas.dat "${commas}")
string(SUBSTRING "${compact}" 0 5000 short)
file(WRITE ${corpus}/short.dat "${short}")

execute_process(
  COMMAND ${BIN}/dat_file_fuzz -runs=${RUNS} -max_total_time=${SECONDS} -max_len=300000
          -print_final_stats=1 ${corpus}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the fuzz target found a fault (exit ${rc})")
endif()
