#pragma once

// The version the info dialog shows.
inline constexpr const char* kKartolaVersion = "(verzia: 1.1)";
