#pragma once

#include <QAccessibleInterface>

#include <functional>

namespace orvane {

// A piece of text drawn into a window, read by screen readers: a heading of the month grid or
// the status line. Its text and screen rectangle are asked for anew each time.
class CTextAccessible : public QAccessibleInterface {
public:
    CTextAccessible(QAccessibleInterface &parent, QAccessible::Role role, std::function<QString()> text,
                    std::function<QRect()> screenRect);

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_parent.window(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return &m_parent; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return m_screenRect(); }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override;

private:
    QAccessibleInterface &m_parent;
    QAccessible::Role m_role;
    std::function<QString()> m_text;
    std::function<QRect()> m_screenRect;
};

} // namespace orvane
