# Copies a built program to OUTPUT and pads it with zero bytes to exactly SIZE
# bytes. Bytes after a PE's last section are never mapped, so the padded
# program still runs. Run with: cmake -DINPUT=... -DOUTPUT=... -DSIZE=... -P pad.cmake
file(SIZE "${INPUT}" actual)
if(actual GREATER SIZE)
  message(FATAL_ERROR "${INPUT} is ${actual} bytes, more than the ${SIZE} it must be padded to")
endif()
file(COPY_FILE "${INPUT}" "${OUTPUT}")
execute_process(COMMAND truncate -s "${SIZE}" "${OUTPUT}" COMMAND_ERROR_IS_FATAL ANY)
