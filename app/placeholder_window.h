#pragma once

#include <QDialog>

namespace orvane {

struct AppContext;

// A plain window standing in for the calendar window.
class PlaceholderWindow : public QDialog {
    Q_OBJECT
public:
    PlaceholderWindow(AppContext &context, bool showOnStart, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_bShowOnStart;
};

} // namespace orvane
