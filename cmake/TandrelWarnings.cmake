# Our own code builds without a warning; third-party headers come in as SYSTEM.
# Warnings fail the build only where CMAKE_COMPILE_WARNING_AS_ERROR is on (the
# presets CI builds with), so a user's or a packager's build with another
# compiler release is not stopped by a new diagnostic.
function(tandrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
