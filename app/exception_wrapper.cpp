#include "app/exception_wrapper.h"

fw::Ref<fw::RuntimeException> _CallFunctionWithExceptionHandling(void (*function)(void *), void *argument) {
    try {
        function(argument);
    } catch (const fw::Raised &raised) {
        return raised.Exception();
    }
    return nullptr;
}
