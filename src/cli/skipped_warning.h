#pragma once

#include "core/wordlist/skipped_records.h"

#include <string>

namespace tovrel::cli {

// The warning for records skipped for their length in `file`.
std::string describeSkipped(const SkippedRecords& skipped, const std::string& file);

} // namespace tovrel::cli
