#pragma once

namespace vintora::catalogue {

// Registers the catalogue's own routines (synonyms, album copies) by the names the windows call.
// Safe to call more than once.
void registerRoutines();

} // namespace vintora::catalogue
