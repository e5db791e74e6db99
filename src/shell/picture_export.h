// Saving the active window's picture as a file: PNG at 1, 2 or 4 times its
// pixels, or SVG drawn again as vectors with real text.
#pragma once

#include <QString>

namespace orr {

class PictureBox;

// Writes the picture to `file`, PNG or SVG by the file's extension; `scale`
// multiplies the PNG's pixels (SVG has none). The file is written whole or
// not at all. Returns an empty string on success, else why it failed.
QString writePicture(const PictureBox& picture, const QString& file, double scale, const QString& title);

// The File menu's "Save Picture As…": asks for a file and a format, redraws
// a topic's picture at its design size (an editor's stays as it is) and
// writes it. A failure
// is reported in a message box and leaves the window as it was.
void savePictureAs();

// The same without the dialog (the batch driver's export). False when it
// failed, after a message box saying why.
bool exportCurrentPicture(const QString& file, double scale);

}  // namespace orr
