#pragma once

#include <QCoreApplication>

#include <memory>

namespace varnolt::report {

// Whether the command line asks for a Word document, read by the program's
// own option parser before the application object exists (the object must
// be chosen first). A command line that does not parse asks for none: the
// plain application then says what is wrong with it.
bool writesDocx(int argc, const char *const *argv);

// The program's application object. A Word document's sketches are painted
// with their labels, and Qt paints text only under a QGuiApplication: the
// Word writer's module makes that one, on the offscreen platform (the
// program shows no window and may run without a display); for every other
// format a QCoreApplication, without loading Qt's GUI libraries at all.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv);

} // namespace varnolt::report
