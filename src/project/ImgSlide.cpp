#include "project/ImgSlide.h"

#include "media/ImageLoader.h"

bool ImgSlide::isPortrait() const
{
    if (uprightTall < 0) {
        const QSize size = uprightSize(photoPath);
        uprightTall = size.height() > size.width() ? 1 : 0;
    }
    // An odd number of quarter turns swaps the sides.
    const bool swapped = (((turns % 4) + 4) % 4) % 2 == 1;
    return (uprightTall == 1) != swapped;
}
