#include "app/initializers.h"

#include "app/tandrel_app.h"
#include "convert/control_wnd.h"
#include "convert/module1.h"
#include "framework/app_runtime.h"
#include "matrix/complex.h"
#include "matrix/complex_matrix.h"
#include "matrix/library_errors.h"
#include "matrix/matrix.h"
#include "matrix/polynomial.h"
#include "ui/about_wnd.h"
#include "ui/help_wnd.h"
#include "ui/menu_bar1.h"

namespace {

// A class set-up: builds the class's record, or finds it built already.
template <class C> void SetUp() { C::ClassRecordOf(); }

// The conversion direction starts as correlation to covariance.
void InitWhich() { Module1::which = 1; }

constexpr fw::Initializer kTable[] = {
    &SetUp<BadArgumentException>,
    &SetUp<BadEntryNumberException>,
    &SetUp<Complex>,
    &SetUp<ComplexMatrix>,
    &SetUp<DivideByZeroException>,
    &SetUp<Matrix>,
    &SetUp<NegativeNumberException>,
    &SetUp<NegativeOrZeroException>,
    &SetUp<OverflowOrUnderflowException>,
    &SetUp<Polynomial>,
    &SetUp<RowColumnMismatch>,
    &SetUp<Tandrel>,
    &SetUp<ControlWnd>,
    &MenuBar1::_implicitInstance_Init,
    &SetUp<MenuBar1>,
    &SetUp<helpWnd>,
    &SetUp<AboutWnd_Timer1>,
    &SetUp<AboutWnd>,
    &InitWhich,
};

} // namespace

void AddProgramInitializers() {
    for (fw::Initializer initializer : kTable)
        fw::RuntimeAddInitializer(initializer);
}
