#include "framework/exceptions.h"

namespace fw {

namespace {
int stackDepth = 0;
constexpr int kMaxStackDepth = 2000;

void BuildRuntimeException(ClassRecord &r) {
    r.allocate = Allocator<RuntimeException>();
    const Operation operations[] = {{"Message", "() As String"}, {"ErrorNumber", "() As Integer"}};
    r.AddOperations(operations);
}
} // namespace

const ClassRecord &RuntimeException::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("RuntimeException", BuildRuntimeException);
    return r;
}

void BuildExceptionRecord(ClassRecord &record, std::function<Object *()> allocate) {
    record.base = &RuntimeException::ClassRecordOf();
    record.allocate = std::move(allocate);
    record.classTable = record.base->classTable;
}

#define FW_DEFINE_EXCEPTION_CLASS(Name)                                                          \
    const ClassRecord &Name::ClassRecordOf() {                                                   \
        static const ClassRecord &r = ClassRegistry::Instance().LookUp(                          \
            #Name, [](ClassRecord &rec) { BuildExceptionRecord(rec, Allocator<Name>()); });      \
        return r;                                                                                \
    }

FW_DEFINE_EXCEPTION_CLASS(NilObjectException)
FW_DEFINE_EXCEPTION_CLASS(IllegalCastException)
FW_DEFINE_EXCEPTION_CLASS(OutOfBoundsException)
FW_DEFINE_EXCEPTION_CLASS(StackOverflowException)
FW_DEFINE_EXCEPTION_CLASS(PlatformException)
FW_DEFINE_EXCEPTION_CLASS(UnsupportedFormatException)
FW_DEFINE_EXCEPTION_CLASS(EndException)
FW_DEFINE_EXCEPTION_CLASS(ThreadEndException)

Raised::Raised(Ref<RuntimeException> exception) : exception_(std::move(exception)) {
    what_ = exception_ && exception_->Class() ? exception_->Class()->name : "RuntimeException";
    if (exception_ && !exception_->Message.empty()) what_ += ": " + exception_->Message.str();
}

void Raise(Ref<RuntimeException> exception) {
    if (!exception) exception = NewObject<NilObjectException>();
    throw Raised(std::move(exception));
}

StackDepthGuard::StackDepthGuard() {
    if (stackDepth >= kMaxStackDepth) RaiseNew<StackOverflowException>("Stack depth exhausted");
    ++stackDepth;
}

StackDepthGuard::~StackDepthGuard() { --stackDepth; }

} // namespace fw
