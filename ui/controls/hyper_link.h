#pragma once

#include <QColor>
#include <QLabel>

namespace orvane {

// Behaviour switches of a link.
namespace LinkStyle {
constexpr quint32 Underline = 0x01;    // the text is underlined
constexpr quint32 HoverColour = 0x02;  // the hover colour while the pointer is over it
constexpr quint32 AutoSize = 0x04;     // the label is fitted to its text
constexpr quint32 OnPress = 0x08;      // opens on the press, else on the release
constexpr quint32 TakeFocus = 0x10;    // a press gives it the keyboard focus
constexpr quint32 NoHandCursor = 0x20; // the pointer keeps its shape over it
constexpr quint32 NoActiveColour = 0x40;
constexpr quint32 Default = Underline | AutoSize | TakeFocus;
} // namespace LinkStyle

// The colours of every link.
inline const QColor kLinkColour(0, 0, 255);
inline const QColor kLinkActiveColour(0, 128, 128);
inline const QColor kLinkVisitedColour(128, 0, 128);
inline const QColor kLinkHoverColour(255, 0, 0);

// The colour of a link's text: hover (with its style), else active (focused or pressed, unless
// the style forbids it), else visited, else the link colour.
QColor LinkTextColour(quint32 style, bool hover, bool active, bool visited);

// The rectangle of a label fitted to its text: `window` is its rectangle in the parent,
// `border` what its frame and margins take, `text` the size of its text. Centred vertically it
// shrinks equally at top and bottom, else it keeps its top; centred it shrinks equally at both
// sides, right-aligned it keeps its right edge, else its left edge.
QRect FitLinkRect(QRect window, QSize border, QSize text, Qt::Alignment alignment);

// A label that is a link: drawn in the link colours and underlined, with the hand cursor and
// the target as its tooltip; a click or the space bar opens the target. Place the label with
// its text and alignment, set a target when it is not the text itself, then Attach().
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    explicit CHyperLink(QWidget *parent = nullptr);

    // Takes the label over: an empty target becomes the text, an empty text the target; the
    // link font, the fit to the text, the cursor and the tooltip follow.
    void Attach();
    void SetLinkTarget(const QString &target);
    QString GetLinkTarget() const { return m_strTarget; }
    // Clears the bits `remove` and sets `add`; false when they share a bit. With `apply` the
    // font, size and colour follow at once.
    bool ChangeStyle(quint32 remove, quint32 add, bool apply);
    quint32 GetStyleBits() const { return m_dwLinkStyle; }
    bool IsVisited() const { return m_bVisitedLink; }
    // Opens the target: visited when that worked, else a beep and the reason.
    void ActivateLink();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ApplyStyle();
    void FitToText();
    void UpdateColour();

    bool m_bActive = false;
    bool m_bHover = false;
    bool m_bVisitedLink = false;
    bool m_bAttached = false;
    quint32 m_dwLinkStyle = LinkStyle::Default;
    QString m_strTarget;
};

} // namespace orvane
