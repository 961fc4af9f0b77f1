#pragma once

#include <string>
#include <vector>

#include "complexmatrix_plugin.h"

// A stand-in for the matrix library that offers every declaration and
// records each call: which entry (by its number in the program's table), on
// which object, with which arguments.
namespace spy {

struct Call {
    int entry;
    const cm_object *receiver;
    std::vector<std::string> args; // integers and doubles as text, objects by ObjectText, strings by their text
};

const std::vector<Call> &Calls();
// Forgets the calls and every setting below.
void Reset();
// Leaves a declaration out of what the library offers at binding.
void Omit(const std::string &declaration);
// Makes the library's entry point refuse to serve, giving this reason.
void Refuse(const std::string &reason);
// Makes an entry raise an exception of that class and return a junk value.
void RaiseAt(int entry, const std::string &className, const std::string &message);
// Makes an object-returning entry answer with a new object of that class.
void ReturnNewAt(int entry, const std::string &className);

// The declaration the library offers for an entry number.
std::string Declaration(int entry);
// How an object argument is recorded.
std::string ObjectText(const void *object);

} // namespace spy
