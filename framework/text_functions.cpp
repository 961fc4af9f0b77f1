#include "framework/text_functions.h"
// Placeholder: implemented by the text-functions work.
