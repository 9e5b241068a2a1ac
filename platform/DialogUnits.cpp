#include "platform/DialogUnits.h"

#include <QFontMetrics>

namespace plovex {

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet
        = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (alphabet / 26 + 1) / 2;
    m_baseY = metrics.height();
}

} // namespace plovex
