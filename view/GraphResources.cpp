#include "view/GraphResources.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>

namespace plovex {

const QImage& GraphIcon()
{
    static const QImage icon
        = QImage(":/icons/plovex-32.png").convertToFormat(QImage::Format_ARGB32);
    return icon;
}

// DejaVu Sans from the file the install brings, or by its family name where the file lies
// elsewhere. Sized in pixels, so that no screen's resolution changes it.
const QFont& LabelFont()
{
    static const QFont font = [] {
        const int id
            = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        QFont label(QFontDatabase::applicationFontFamilies(id).value(0, "DejaVu Sans"));
        label.setPixelSize(10);
        // Unsmoothed and fully hinted: crisp, and free of the desktop's smoothing settings.
        label.setStyleStrategy(QFont::NoAntialias);
        label.setHintingPreference(QFont::PreferFullHinting);
        return label;
    }();
    return font;
}

} // namespace plovex
