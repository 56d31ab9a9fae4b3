// The legend box, Legenda: a picture box in legend units whose font lets every entry of the
// catalogue fit its height, whose texts end in "…" where the box is too narrow, and whose
// tooltip gives the full text of the entry under the mouse.
#pragma once

#include "graph/PictureBox.h"

#include <functional>
#include <string>
#include <vector>

namespace osk {

class LegendBox : public PictureBox {
    Q_OBJECT
public:
    explicit LegendBox(QWidget* parent = nullptr);

    // Gives the texts of the entries the legend lists now, in their order.
    void setEntryTexts(std::function<std::vector<std::string>()> texts);

    // The full text of the entry at a position inside the box (its border included, as mouse
    // events come); empty where there is no entry.
    std::string entryTextAt(QPoint position) const;

protected:
    bool event(QEvent* event) override;

private:
    // Pixels of the picture's width inside the window.
    int shownPictureWidth() const;

    std::function<std::vector<std::string>()> texts_;
};

} // namespace osk
