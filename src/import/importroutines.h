#pragma once

namespace vintora::import {

// Adds the import's routines to the registry (ImpPerformerGenre, ImpMpegFileTest, and the marks of
// unfinished folders ExecDirNoDone and GridDirNoDone); idempotent.
void registerRoutines();

} // namespace vintora::import
