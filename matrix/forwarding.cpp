#include "matrix/forwarding.h"

#include <string>

namespace matrixlib {

void RaiseUnboundEntry(int entry) {
    fw::RaiseNew<fw::RuntimeException>(std::string("The matrix library entry is not bound: ") +
                                       entryTable[entry].declaration);
}

void RaiseNilArgument(int entry) {
    fw::RaiseNew<fw::NilObjectException>(std::string("Nil object passed to the matrix library: ") +
                                         entryTable[entry].declaration);
}

void RaiseWrongResultClass(int entry, const fw::Object &result) {
    const std::string got = result.Class() ? result.Class()->name : std::string("an object of no class");
    fw::RaiseNew<fw::IllegalCastException>(std::string("The matrix library returned ") + got + " from " +
                                           entryTable[entry].declaration);
}

} // namespace matrixlib
