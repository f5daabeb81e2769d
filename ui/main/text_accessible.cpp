#include "ui/main/text_accessible.h"

#include <utility>

namespace orvane {

CTextAccessible::CTextAccessible(QAccessibleInterface &parent, QAccessible::Role role,
                                 std::function<QString()> text, std::function<QRect()> screenRect)
    : m_parent(parent), m_role(role), m_text(std::move(text)), m_screenRect(std::move(screenRect))
{
}

QString CTextAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_text() : QString();
}

QAccessible::State CTextAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    return state;
}

} // namespace orvane
