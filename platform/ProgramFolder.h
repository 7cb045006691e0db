#pragma once
#include <QString>

// The folder the program keeps its sounds, pictures and score files in:
// the executable's folder, unless a test points it at a temporary folder.
namespace ProgramFolder {
QString path();
void setPath(const QString &folder);
// The full path of a file in the program's folder.
QString file(const QString &name);
}
