#include "cli/skipped_warning.h"

namespace tovrel::cli {

std::string describeSkipped(const SkippedRecords& skipped, const std::string& file) {
    return file + ": skipped " + std::to_string(skipped.count) +
           (skipped.count == 1 ? " record" : " records") + " longer than " +
           std::to_string(skipped.longest >> 20) + " MiB (the first at byte " +
           std::to_string(skipped.firstOffset) + ")";
}

} // namespace tovrel::cli
