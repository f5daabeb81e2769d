#pragma once

#include "settings/option_tree_model.h"
#include "ui/controls/picture_strip.h"

#include <QWidget>

class QScrollBar;

namespace orvane {

// The owner-drawn tree of options: group headings with their image, check boxes and radio
// buttons, one 16-pixel line each, with its own vertical scroll bar, mouse, keyboard and wheel.
// Each change of an item is reported by itemChanged, in the order the tree makes them (a radio
// that goes off before the one that goes on). It keeps no option values beyond the items'
// states: its owner turns the reports into options.
class COptionTree : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDC_SCROLLBAR = 1000; // the scroll bar's object name
    static constexpr int kMarkSize = 13;       // images of the check and radio marks
    static constexpr int kGroupImageSize = 16;

    explicit COptionTree(QWidget *parent = nullptr);

    // Items are added before the tree is first shown; the texts come from the string table and
    // the string id is the item's identifier.
    void AddGroup(int stringId, int level, int image);
    void AddCheck(int stringId, int state, int level);
    void AddRadio(int stringId, int state, int level);
    // The tree keeps its own copy of the owner's group images.
    void SetGroupImages(const CPictureStrip &images) { m_imgGroups = images; }

    const COptionTreeModel &Model() const { return m_model; }
    QScrollBar *ScrollBar() const { return m_pScrollBar; }
    // Lays the rows out in the tree's font, once; painting, input and row geometry need it.
    void EnsureLaidOut();
    // Toggles a row as Space on it would (for assistive technology's toggle action).
    void ToggleRow(int index);

Q_SIGNALS:
    void itemChanged(int id, int state);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void UpdateScrollBar();
    void Report(const std::vector<OptionChange> &changes);
    void DrawBackground(QPainter &painter) const;
    void DrawItem(QPainter &painter, int index) const;

    COptionTreeModel m_model;
    CPictureStrip m_imgGroups;
    CPictureStrip m_imgMarks;
    QScrollBar *m_pScrollBar = nullptr;
    int m_nTextOffset = 0;
    int m_nAnnouncedRow = -1; // the keyboard's row as assistive technology last heard of it
};

} // namespace orvane
