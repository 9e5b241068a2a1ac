#pragma once

#include <QListWidget>

namespace plovex {

// The list of a graph's functions, one row each: its shown box, its colour swatch and its
// expression. Double-clicking the swatch asks for the colour.
class FunctionList : public QListWidget {
    Q_OBJECT

public:
    // The colour swatch's side in pixels.
    static constexpr int kSwatchSize = 14;

    explicit FunctionList(QWidget* parent = nullptr);

signals:
    void SwatchDoubleClicked(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace plovex
