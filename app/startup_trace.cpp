#include "app/startup_trace.h"

namespace startup {

namespace {
std::vector<std::string> &Trace() {
    static std::vector<std::string> steps;
    return steps;
}
} // namespace

void Note(std::string_view step) { Trace().emplace_back(step); }

const std::vector<std::string> &Steps() { return Trace(); }

} // namespace startup
