#pragma once

#include <QString>

// The whole program: the GUI application, the main window and its service probe, the
// event loop. Of the command line only the program's own name is used (it titles the
// message boxes). Returns 0 whatever happens; an error escaping start-up is shown.
int runQuorvi(int argc, char* argv[], const QString& serviceBaseUrl);
