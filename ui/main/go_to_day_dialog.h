#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QSpinBox;

namespace orvane {

class CUser;

// The day a day box shows after its month changed to `month` of `year`: kept when the month has
// that day, else the month's last day.
int FitDayToMonth(int day, int month, int year);

// Picks a month and a day without the month grid and opens the day's editor for it, as often as
// the user likes: the dialog stays open until its close box or Esc.
class CGoToDayDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids, also the controls' object names.
    static constexpr int IDC_MONTH = 1002;
    static constexpr int IDC_DAY = 1009;
    static constexpr int IDC_OPEN = 1018;

    // Opens the editor of a day; the date is already the user's selected date when it is called.
    using OpenDay = std::function<void(int month, int day)>;

    // Starts on today, which becomes the user's selected date.
    CGoToDayDlg(CUser &user, OpenDay openDay, QWidget *parent = nullptr);

    int Month() const;
    int Day() const;

    // The month list's selection changed: the day is fitted to the month's length.
    void OnMonthChanged();
    // Button 1018: selects the chosen date and opens its editor.
    void OnOpen();

private:
    CUser &m_user;
    OpenDay m_openDay;
    QComboBox *m_comboMonth = nullptr;
    QSpinBox *m_spinDay = nullptr;
};

} // namespace orvane
