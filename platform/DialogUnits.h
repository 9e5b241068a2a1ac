#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace plovex {

// Converts a dialog template's dialog units into pixels for the template's font: a
// horizontal unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height, so a dialog keeps its proportions whatever font stands in.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }
    QRect Rect(int x, int y, int width, int height) const
    {
        return QRect(X(x), Y(y), X(width), Y(height));
    }

private:
    int m_baseX;
    int m_baseY;
};

} // namespace plovex
