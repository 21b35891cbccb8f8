// Facts about the running program: its folder and its version.
#pragma once

#include <QString>

namespace zudira {

// Folder of the program file, ending in a path separator, as the application object holds it;
// "./" until the main window sets it.
QString ProgramDir();
// Sets ProgramDir to the folder of the running executable.
void SetProgramDirFromApplication();
// For tests: points ProgramDir at any folder (a separator is appended when missing).
void SetProgramDir(const QString& folder);

// Where a file that ships with the program (Readme.Txt, PDFNew.Txt, the help document) is:
// beside the program, as in the build tree, else in ../share/zudira/ as installed. A file in
// neither place gives the path where it belongs, so that the error can name it.
QString ShippedFilePath(const QString& file_name);

// Names the program once for Qt, before any application object: organisation and
// application (where the settings live), version, and the desktop entry's id.
void SetProgramIdentity(const QString& desktop_file_id);

// The program's version as "major.minor.release.build", from the build's version record.
QString VersionText();

}  // namespace zudira
