#pragma once

namespace vintora::import {

// Adds the import's routines to the registry (ImpPerformerGenre, ImpMpegFileTest); idempotent.
void registerRoutines();

} // namespace vintora::import
