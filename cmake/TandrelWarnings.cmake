# Our own code builds without a warning; third-party headers come in as SYSTEM.
function(tandrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
