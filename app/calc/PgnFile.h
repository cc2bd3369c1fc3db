#pragma once

#include <string>

#include "PgnReader.h"

namespace tavolin {

// Reads a PGN file through `reader`. Returns the error box's text when the file cannot be
// read (in French, with the path), empty when it was read, whole or up to some damage
// (`reader.truncated()` then says so).
std::string readPgnFile(const std::string& path, PgnReader& reader);

// A message with "%1" to "%3" filled in.
std::string filledMessage(std::string_view pattern, std::string_view first,
                          std::string_view second = {}, std::string_view third = {});

}  // namespace tavolin
