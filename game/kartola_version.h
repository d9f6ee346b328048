#pragma once

// The version the info dialog shows.
extern const char* const kKartolaVersion;
