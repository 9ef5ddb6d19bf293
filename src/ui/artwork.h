// The program's pictures, drawn in code so that nothing has to be shipped
// beside the program: the maker's badge on every wizard page and in the
// About window, and the small web, mail and close images there.
#pragma once

#include <QPixmap>

namespace qm::ui {

// The maker's round badge, `size` device-independent pixels square.
QPixmap makerBadge(int size);
// A globe for the web link, an envelope for the mail link.
QPixmap webImage(int size);
QPixmap mailImage(int size);
// The About window's close image.
QPixmap closeImage(int size);

}  // namespace qm::ui
