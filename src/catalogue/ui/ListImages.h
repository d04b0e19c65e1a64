#pragma once

#include <QIcon>
#include <QPixmap>

namespace twinsweep {

// The small pictures the lists share, drawn here.

/// Header picture `number` of the lists' header image list: the column's place in
/// `FileColumns` (1 "Filename" to 13 "MPEG version", 14 "Collection"); a null icon
/// for any other number.
QIcon headerImage(int number);

/// The picture of a file row (image 16 of the lists' small images): a pair of music
/// notes; the pixmap `size` pixels square, for printing.
QIcon rowImage();
QPixmap rowImagePixmap(int size);

} // namespace twinsweep
