#pragma once

#include "framework/exceptions.h"
#include "framework/object.h"

// The program's exception wrapper, handed to the framework at start-up: runs
// `function(argument)` and returns nil when it raised nothing, or the
// RuntimeException it raised. Anything else it throws passes on unchanged.
fw::Ref<fw::RuntimeException> _CallFunctionWithExceptionHandling(void (*function)(void *), void *argument);
