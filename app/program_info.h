// Facts about the running program: its folder and its version.
#pragma once

#include <QString>

namespace zudira {

// Folder of the program file, ending in a path separator; "./" until the main window sets it.
QString ProgramDir();
// Sets ProgramDir to the folder of the running executable.
void SetProgramDirFromApplication();
// For tests: points ProgramDir at any folder (a separator is appended when missing).
void SetProgramDir(const QString& folder);

// The program's version as "major.minor.release.build", from the build's version record.
QString VersionText();

}  // namespace zudira
