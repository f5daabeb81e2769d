#include "ui/main/go_to_day_dialog.h"

#include "store/clock.h"
#include "store/day_addressing.h"
#include "store/user.h"
#include "ui/main/calendar_texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

int FitDayToMonth(int day, int month, int year)
{
    return std::min(day, DaysInMonth(month, year));
}

CGoToDayDlg::CGoToDayDlg(CUser &user, OpenDay openDay, QWidget *parent)
    : QDialog(parent), m_user(user), m_openDay(std::move(openDay))
{
    setWindowTitle(tr("Просмотреть день..."));

    const QDate today = Clock::Today();
    m_user.m_selected.month = static_cast<quint8>(today.month());
    m_user.m_selected.day = static_cast<quint8>(today.day());

    m_comboMonth = new QComboBox(this);
    m_comboMonth->setObjectName(QString::number(IDC_MONTH));
    for (int month = 1; month <= 12; ++month)
        m_comboMonth->addItem(MonthName(month));
    m_comboMonth->setCurrentIndex(today.month() - 1);

    m_spinDay = new QSpinBox(this);
    m_spinDay->setObjectName(QString::number(IDC_DAY));
    m_spinDay->setRange(1, 31);
    m_spinDay->setValue(today.day());

    auto *fields = new QGroupBox(this);
    auto *grid = new QGridLayout(fields);
    auto *monthLabel = new QLabel(tr("Месяц"), fields);
    auto *dayLabel = new QLabel(tr("День"), fields);
    monthLabel->setBuddy(m_comboMonth);
    dayLabel->setBuddy(m_spinDay);
    grid->addWidget(monthLabel, 0, 0);
    grid->addWidget(m_comboMonth, 0, 1);
    grid->addWidget(dayLabel, 1, 0);
    grid->addWidget(m_spinDay, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    auto *open = new QPushButton(QStringLiteral("OK"), this);
    open->setObjectName(QString::number(IDC_OPEN));
    open->setDefault(true);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(open);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fields, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_comboMonth, &QComboBox::currentIndexChanged, this, &CGoToDayDlg::OnMonthChanged);
    connect(open, &QPushButton::clicked, this, &CGoToDayDlg::OnOpen);
}

int CGoToDayDlg::Month() const
{
    return m_comboMonth->currentIndex() + 1;
}

int CGoToDayDlg::Day() const
{
    return m_spinDay->value();
}

void CGoToDayDlg::OnMonthChanged()
{
    m_spinDay->interpretText();
    if (m_comboMonth->currentIndex() < 0)
        return;
    m_spinDay->setValue(FitDayToMonth(Day(), Month(), Clock::Today().year()));
}

void CGoToDayDlg::OnOpen()
{
    m_spinDay->interpretText();
    m_user.m_selected.month = static_cast<quint8>(Month());
    m_user.m_selected.day = static_cast<quint8>(Day());
    if (m_openDay)
        m_openDay(Month(), Day());
}

} // namespace orvane
