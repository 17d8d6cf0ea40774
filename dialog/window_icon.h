// The program's icon as the window and the dialog show it.
#pragma once

#include <QPixmap>

// Made from pixels built into the program: loading a picture file would load every
// image-format plugin Qt has, and keep them for the rest of the run.
QPixmap window_icon();
