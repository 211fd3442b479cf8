#pragma once
// Values files named on the command line (or handed over by a file manager through
// the menu entry) are opened in the calculator each was saved from.

#include <QStringList>

namespace takton {

// For each file in turn: fills the fields of the calculator named in the file and
// shows that window beside the main one, as "Загрузить значения" would. A file that
// cannot be loaded is reported over the main window and opens nothing.
void openValuesFiles(const QStringList& paths);

} // namespace takton
