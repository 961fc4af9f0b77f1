#include "tests/matrix/spy_plugin.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <type_traits>

namespace spy {

namespace {

const cm_host_api *host = nullptr;
std::vector<Call> calls;
std::string omitted;
std::string refusal;
std::map<int, std::pair<std::string, std::string>> raises;
std::map<int, std::string> newObjects;

std::string Text(int64_t value) { return std::to_string(value); }
std::string Text(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}
std::string Text(cm_object *object) { return ObjectText(object); }
std::string Text(cm_string *string) {
    std::size_t length = 0;
    const char *bytes = host->string_data(string, &length);
    return std::string(bytes, length);
}

template <class R> R Junk() {
    if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<R>(std::uintptr_t{0x10});
    else
        return R(7);
}

template <int N, class R> R Answer() {
    if constexpr (std::is_same_v<R, int64_t>) {
        return 1000 + N;
    } else if constexpr (std::is_same_v<R, double>) {
        return N + 0.25;
    } else if constexpr (std::is_same_v<R, cm_string *>) {
        const std::string text = "spy " + std::to_string(N);
        return host->new_string(text.data(), text.size());
    } else {
        static_assert(std::is_same_v<R, cm_object *>);
        auto it = newObjects.find(N);
        return it == newObjects.end() ? nullptr : host->new_object(it->second.c_str());
    }
}

// The implementation of entry N: records the call and answers.
template <int N, class R, class... A> R Entry(cm_object *receiver, A... args) {
    calls.push_back({N, receiver, {Text(args)...}});
    if (auto it = raises.find(N); it != raises.end()) {
        host->raise(it->second.first.c_str(), it->second.second.c_str());
        if constexpr (!std::is_void_v<R>)
            return Junk<R>();
        else
            return;
    }
    if constexpr (!std::is_void_v<R>) return Answer<N, R>();
}

struct Offer {
    int entry;
    const char *declaration;
    void *function;
};

using O = cm_object *;
using S = cm_string *;
using I = int64_t;
using D = double;
using V = void;

#define SPY(n, R, declaration, ...)                                                                                    \
    Offer { n, declaration, reinterpret_cast<void *>(&Entry<n, R __VA_OPT__(, ) __VA_ARGS__>) }

// The seven overloads of one ComplexMatrix operator, from entry `first`.
#define SPY_COMPLEX_MATRIX_OPERATOR(first, Op)                                                                         \
    SPY(first, O, "ComplexMatrix.Operator_" #Op "(x As ComplexMatrix) As ComplexMatrix", O),                           \
        SPY(first + 1, O, "ComplexMatrix.Operator_" #Op "(x As Matrix) As ComplexMatrix", O),                          \
        SPY(first + 2, O, "ComplexMatrix.Operator_" #Op "Right(x As Matrix) As ComplexMatrix", O),                     \
        SPY(first + 3, O, "ComplexMatrix.Operator_" #Op "(x As Complex) As ComplexMatrix", O),                         \
        SPY(first + 4, O, "ComplexMatrix.Operator_" #Op "Right(x As Complex) As ComplexMatrix", O),                    \
        SPY(first + 5, O, "ComplexMatrix.Operator_" #Op "(x As Double) As ComplexMatrix", D),                          \
        SPY(first + 6, O, "ComplexMatrix.Operator_" #Op "Right(x As Double) As ComplexMatrix", D)

// clang-format off
const Offer offers[] = {
    SPY(0, I, "NumRows(theMatrix As Matrix) As Integer"),
    SPY(1, I, "NumColumns(theMatrix As Matrix) As Integer"),

    SPY(2, V, "Complex.__init"),
    SPY(3, V, "Complex.__exit"),
    SPY(4, D, "Complex.Real() as double"),
    SPY(5, D, "Complex.Imag() as double"),
    SPY(6, S, "Complex.Str() as String"),
    SPY(7, S, "Complex.Str2() as String"),
    SPY(8, S, "Complex.Str2EE() as String"),
    SPY(9, V, "Complex.Constructor()"),
    SPY(10, V, "Complex.Constructor(xRe as double, xIm as double)", D, D),
    SPY(11, V, "Complex.Constructor(x as double)", D),
    SPY(12, V, "Complex.Constructor(inputString As String)", S),
    SPY(13, O, "Complex.Operator_Negate() As Complex"),
    SPY(14, O, "Complex.Operator_Add(y As Complex) As Complex", O),
    SPY(15, O, "Complex.Operator_Add(yRe As Double) As Complex", D),
    SPY(16, O, "Complex.Operator_AddRight(yRe As Double) As Complex", D),
    SPY(17, O, "Complex.Operator_Subtract(y As Complex) As Complex", O),
    SPY(18, O, "Complex.Operator_Subtract(yRe As Double) As Complex", D),
    SPY(19, O, "Complex.Operator_SubtractRight(yRe As Double) As Complex", D),
    SPY(20, O, "Complex.Operator_Multiply(y As Complex) As Complex", O),
    SPY(21, O, "Complex.Operator_Multiply(yRe As Double) As Complex", D),
    SPY(22, O, "Complex.Operator_MultiplyRight(yRe As Double) As Complex", D),
    SPY(23, O, "Complex.Operator_Divide(y As Complex) As Complex", O),
    SPY(24, O, "Complex.Operator_Divide(yRe As Double) As Complex", D),
    SPY(25, O, "Complex.Operator_DivideRight(yRe As Double) As Complex", D),
    SPY(26, I, "Complex.Operator_Compare(x As Complex) As Integer", O),

    SPY(27, V, "Matrix.__init"),
    SPY(28, V, "Matrix.__exit"),
    SPY(29, V, "Matrix.Constructor()"),
    SPY(30, V, "Matrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer)", I, I),
    SPY(31, V, "Matrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer, matrixString As String)", I, I, S),
    SPY(32, S, "Matrix.Str() As String"),
    SPY(33, S, "Matrix.Str2() As String"),
    SPY(34, D, "Matrix.Element(rowIndex As Integer, columnIndex As Integer) As Double", I, I),
    SPY(35, O, "Matrix.Operator_Negate() As Matrix"),
    SPY(36, O, "Matrix.Operator_Add(x As Matrix) As Matrix", O),
    SPY(37, O, "Matrix.Operator_Add(x As Double) As Matrix", D),
    SPY(38, O, "Matrix.Operator_AddRight(x As Double) As Matrix", D),
    SPY(39, O, "Matrix.Operator_Add(x As Complex) As ComplexMatrix", O),
    SPY(40, O, "Matrix.Operator_AddRight(x As Complex) As ComplexMatrix", O),
    SPY(41, O, "Matrix.Operator_Subtract(x As Matrix) As Matrix", O),
    SPY(42, O, "Matrix.Operator_Subtract(x As Double) As Matrix", D),
    SPY(43, O, "Matrix.Operator_SubtractRight(x As Double) As Matrix", D),
    SPY(44, O, "Matrix.Operator_Subtract(x As Complex) As ComplexMatrix", O),
    SPY(45, O, "Matrix.Operator_SubtractRight(x As Complex) As ComplexMatrix", O),
    SPY(46, O, "Matrix.Operator_Multiply(x As Matrix) As Matrix", O),
    SPY(47, O, "Matrix.Operator_Multiply(x As Double) As Matrix", D),
    SPY(48, O, "Matrix.Operator_MultiplyRight(x As Double) As Matrix", D),
    SPY(49, O, "Matrix.Operator_Multiply(x As Complex) As ComplexMatrix", O),
    SPY(50, O, "Matrix.Operator_MultiplyRight(x As Complex) As ComplexMatrix", O),
    SPY(51, O, "Matrix.Operator_Divide(x As Double) As Matrix", D),
    SPY(52, O, "Matrix.Operator_DivideRight(x As Double) As Matrix", D),
    SPY(53, O, "Matrix.Operator_Divide(x As Complex) As ComplexMatrix", O),
    SPY(54, O, "Matrix.Operator_DivideRight(x As Complex) As ComplexMatrix", O),
    SPY(55, O, "Matrix.Operator_Divide(x As Matrix) As Matrix", O),
    SPY(56, I, "Matrix.Operator_Compare(x As Matrix) As Integer", O),
    SPY(57, I, "Matrix.Operator_Compare(x As ComplexMatrix) As Integer", O),
    SPY(58, I, "Matrix.NumRows() As Integer"),
    SPY(59, I, "Matrix.NumColumns() As Integer"),

    SPY(60, V, "ComplexMatrix.__init"),
    SPY(61, V, "ComplexMatrix.__exit"),
    SPY(62, V, "ComplexMatrix.Constructor()"),
    SPY(63, V, "ComplexMatrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer)", I, I),
    SPY(64, V, "ComplexMatrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer,  ComplexMatrixString As String)", I, I, S),
    SPY(65, S, "ComplexMatrix.Str() As String"),
    SPY(66, S, "ComplexMatrix.Str2() As String"),
    SPY(67, O, "ComplexMatrix.Real() as Matrix"),
    SPY(68, O, "ComplexMatrix.Imag() as Matrix"),
    SPY(69, O, "ComplexMatrix.Element(rowIndex As Integer, columnIndex As Integer) As Complex", I, I),
    SPY(70, O, "ComplexMatrix.Operator_Negate() As ComplexMatrix"),
    SPY_COMPLEX_MATRIX_OPERATOR(71, Add),
    SPY_COMPLEX_MATRIX_OPERATOR(78, Subtract),
    SPY_COMPLEX_MATRIX_OPERATOR(85, Multiply),
    SPY_COMPLEX_MATRIX_OPERATOR(92, Divide),
    SPY(99, I, "ComplexMatrix.Operator_Compare(x As ComplexMatrix) As Integer", O),
    SPY(100, I, "ComplexMatrix.Operator_Compare(x As Matrix) As Integer", O),
    SPY(101, I, "ComplexMatrix.NumRows() As Integer"),
    SPY(102, I, "ComplexMatrix.NumColumns() As Integer"),

    SPY(103, V, "Polynomial.__init"),
    SPY(104, V, "Polynomial.__exit"),
    SPY(105, V, "Polynomial.Constructor()"),
    SPY(106, V, "Polynomial.Constructor(n As Integer, inputString As String)", I, S),
    SPY(107, S, "Polynomial.Str() as String"),
    SPY(108, O, "Polynomial.Coeff(Index As Integer) as Complex", I),
    SPY(109, V, "Polynomial.SetCoeff(Index As Integer, x As Complex)", I, O),
    SPY(110, V, "Polynomial.SetCoeff(Index As Integer, xRe As Double, xIm As Double)", I, D, D),
};
// clang-format on

static_assert(std::size(offers) == 111);

std::vector<cm_entry> offered;

} // namespace

const std::vector<Call> &Calls() { return calls; }

void Reset() {
    calls.clear();
    omitted.clear();
    refusal.clear();
    raises.clear();
    newObjects.clear();
}

void Omit(const std::string &declaration) { omitted = declaration; }
void Refuse(const std::string &reason) { refusal = reason; }
void RaiseAt(int entry, const std::string &className, const std::string &message) {
    raises[entry] = {className, message};
}
void ReturnNewAt(int entry, const std::string &className) { newObjects[entry] = className; }

std::string Declaration(int entry) {
    for (const Offer &offer : offers)
        if (offer.entry == entry) return offer.declaration;
    return {};
}

std::string ObjectText(const void *object) {
    char text[32];
    std::snprintf(text, sizeof text, "object %p", object);
    return text;
}

} // namespace spy

extern "C" int cm_plugin_entry(const cm_host_api *host, const cm_entry **entries, size_t *count, char *error,
                               size_t error_size) {
    if (!spy::refusal.empty()) {
        std::snprintf(error, error_size, "%s", spy::refusal.c_str());
        return 1;
    }
    spy::host = host;
    spy::offered.clear();
    for (const spy::Offer &offer : spy::offers)
        if (spy::omitted != offer.declaration) spy::offered.push_back({offer.declaration, offer.function});
    *entries = spy::offered.data();
    *count = spy::offered.size();
    return 0;
}
