#include "ui/events/merge_days_dialog.h"

#include "res/resource_ids.h"
#include "store/data_file.h"
#include "store/message.h"
#include "ui/controls/tool_tip_button.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr QSize kMoveButtonSize(30, 15);

} // namespace

CMergeDaysDialog::CMergeDaysDialog(CDataFile &document, int sourceMonth, int sourceDay,
                                   int targetMonth, int targetDay, QWidget *parent)
    : QDialog(parent),
      m_document(document),
      m_model(document.m_user.GetDayEvents(sourceMonth, sourceDay), sourceMonth, sourceDay,
              document.m_user.GetDayEvents(targetMonth, targetDay), targetMonth, targetDay)
{
    setWindowTitle(MergeDaysTitle(sourceMonth, sourceDay, targetMonth, targetDay));

    m_listSource = new QListWidget(this);
    m_listTarget = new QListWidget(this);
    m_listSource->setObjectName(QString::number(IDC_SOURCE_LIST));
    m_listTarget->setObjectName(QString::number(IDC_TARGET_LIST));
    for (QListWidget *list : {m_listSource, m_listTarget}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumSize(240, 120);
    }
    Fill(CMergeDaysModel::kUpper);
    Fill(CMergeDaysModel::kLower);
    connect(m_listSource, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_listSource->setCurrentItem(item);
        OnMoveOneDown();
    });
    connect(m_listTarget, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_listTarget->setCurrentItem(item);
        OnMoveOneUp();
    });

    const struct {
        int id;
        int picture;
        QString tip;
        void (CMergeDaysDialog::*command)();
    } moveButtons[] = {
        {IDC_MOVE_ONE_DOWN, res::IDB_MOVE_ONE_DOWN, tr("Добавить событие"),
         &CMergeDaysDialog::OnMoveOneDown},
        {IDC_MOVE_ALL_DOWN, res::IDB_MOVE_ALL_DOWN, tr("Добавить все события"),
         &CMergeDaysDialog::OnMoveAllDown},
        {IDC_MOVE_ALL_UP, res::IDB_MOVE_ALL_UP, tr("Вернуть все события"),
         &CMergeDaysDialog::OnMoveAllUp},
        {IDC_MOVE_ONE_UP, res::IDB_MOVE_ONE_UP, tr("Вернуть событие"),
         &CMergeDaysDialog::OnMoveOneUp},
    };
    auto *moves = new QHBoxLayout;
    moves->addStretch();
    for (const auto &move : moveButtons) {
        // The caption is not drawn: it is the button's tooltip.
        auto *button = new CToolTipButton(move.picture, move.picture, kMoveButtonSize, this);
        button->setObjectName(QString::number(move.id));
        button->setText(move.tip);
        connect(button, &QAbstractButton::clicked, this, move.command);
        moves->addWidget(button);
    }
    moves->addStretch();
    moves->setSpacing(12);

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QString::number(IDC_CLOSE));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_listSource);
    layout->addLayout(moves);
    layout->addWidget(m_listTarget);
    layout->addLayout(closeRow);
    resize(minimumSizeHint());
}

void CMergeDaysDialog::done(int result)
{
    if (m_model.HasMoved())
        m_document.Save(); // a failure is shown by Save itself
    QDialog::done(result);
}

QListWidget *CMergeDaysDialog::List(CMergeDaysModel::Side side) const
{
    return side == CMergeDaysModel::kUpper ? m_listSource : m_listTarget;
}

void CMergeDaysDialog::MoveOne(CMergeDaysModel::Side from)
{
    QListWidget *list = List(from);
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = list->row(selected.first());
    const CMergeDaysModel::MoveOutcome outcome = m_model.MoveOne(from, row);
    if (outcome.status == CMergeDaysModel::MoveStatus::DayFull) {
        ShowMessage(m_model.DayFullText(from, 1));
        return;
    }
    if (outcome.status != CMergeDaysModel::MoveStatus::Moved)
        return;
    const CMergeDaysModel::Side to = CMergeDaysModel::Other(from);
    List(to)->insertItem(outcome.row, m_model.Event(to, outcome.row).Name);
    delete list->takeItem(row);
}

void CMergeDaysDialog::MoveAll(CMergeDaysModel::Side from)
{
    const int count = m_model.Count(from);
    const CMergeDaysModel::MoveOutcome outcome = m_model.MoveAll(from);
    if (outcome.status == CMergeDaysModel::MoveStatus::DayFull) {
        ShowMessage(m_model.DayFullText(from, count));
        return;
    }
    if (outcome.status != CMergeDaysModel::MoveStatus::Moved)
        return;
    Fill(from);
    Fill(CMergeDaysModel::Other(from));
}

void CMergeDaysDialog::Fill(CMergeDaysModel::Side side)
{
    QListWidget *list = List(side);
    list->clear();
    list->addItems(m_model.Names(side));
}

} // namespace orvane
