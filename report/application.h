#pragma once

#include <QCoreApplication>

#include <memory>

namespace varnolt::report {

// Whether the command line may ask for a Word document: an argument naming
// a .docx file or the docx format. Read before the options are, since the
// application object comes first; a false alarm only costs the start of a
// platform.
bool mayWriteDocx(int argc, const char *const *argv);

// The program's application object. A Word document's sketches are painted
// with their labels, and Qt paints text only under a QGuiApplication: that
// one then, on the offscreen platform (the program shows no window and may
// run without a display); for every other format a QCoreApplication as
// before.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv);

} // namespace varnolt::report
