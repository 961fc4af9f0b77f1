#include "app/exception_wrapper.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/exceptions.h"

namespace {

struct Call {
    fw::Ref<fw::RuntimeException> toRaise;
    bool ran = false;
};

void RaiseIfAsked(void *argument) {
    auto *call = static_cast<Call *>(argument);
    call->ran = true;
    if (call->toRaise) fw::Raise(call->toRaise);
}

TEST(ExceptionWrapper, ReturnsNilWhenNothingWasRaised) {
    Call call;
    EXPECT_FALSE(_CallFunctionWithExceptionHandling(&RaiseIfAsked, &call));
    EXPECT_TRUE(call.ran);
}

TEST(ExceptionWrapper, ReturnsTheRaisedExceptionObjectItself) {
    for (fw::Ref<fw::RuntimeException> raised :
         {fw::NewObject<fw::RuntimeException>(), fw::Ref<fw::RuntimeException>(fw::NewObject<fw::NilObjectException>()),
          fw::Ref<fw::RuntimeException>(fw::NewObject<fw::EndException>())}) {
        SCOPED_TRACE(raised->Class()->name);
        Call call{raised};
        fw::Ref<fw::RuntimeException> returned;
        EXPECT_NO_THROW(returned = _CallFunctionWithExceptionHandling(&RaiseIfAsked, &call));
        EXPECT_EQ(returned.get(), raised.get());
    }
}

TEST(ExceptionWrapper, PassesOtherThrownObjectsOn) {
    auto throwForeign = [](void *) { throw std::runtime_error("not a runtime exception"); };
    EXPECT_THROW(_CallFunctionWithExceptionHandling(throwForeign, nullptr), std::runtime_error);
}

} // namespace
