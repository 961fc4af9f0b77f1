#pragma once

#include "convert/conversion_fields.h"

// The Calculate request: checks the direction, the dimension and the input
// texts in a fixed order, stopping at the first problem with an alert; then
// forms D × M × D through the matrix library and writes the result into the
// other matrix field. `scratchFld` is the text buffer in which every matrix
// text handed to the library is put together.
void RunCalculateRequest(ConversionFields &fields);
