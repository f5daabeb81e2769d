#pragma once

#include "ui/events/merge_days_model.h"

#include <QDialog>

class QListWidget;
class QListWidgetItem;

namespace orvane {

class CDataFile;

// Shares out the events of two days after a day was dropped onto a day that holds events: the
// upper list shows the source day, the lower list the target day, and four picture buttons (or a
// double click) move the selected event or all events from one day to the other. Every move
// changes the store at once; however the dialog is closed, the moves stay and, when there were
// any, the calendar file is saved.
class CMergeDaysDialog : public QDialog {
    Q_OBJECT
public:
    // Control ids, also the controls' object names.
    static constexpr int IDC_SOURCE_LIST = 1067;
    static constexpr int IDC_TARGET_LIST = 1064;
    static constexpr int IDC_MOVE_ONE_DOWN = 1012;
    static constexpr int IDC_MOVE_ALL_DOWN = 1013;
    static constexpr int IDC_MOVE_ALL_UP = 1014;
    static constexpr int IDC_MOVE_ONE_UP = 1015;
    static constexpr int IDC_CLOSE = 1;

    // The days are dates of the current year; they must be two different days.
    CMergeDaysDialog(CDataFile &document, int sourceMonth, int sourceDay, int targetMonth,
                     int targetDay, QWidget *parent = nullptr);

    void OnMoveOneDown() { MoveOne(CMergeDaysModel::kUpper); }
    void OnMoveAllDown() { MoveAll(CMergeDaysModel::kUpper); }
    void OnMoveAllUp() { MoveAll(CMergeDaysModel::kLower); }
    void OnMoveOneUp() { MoveOne(CMergeDaysModel::kLower); }

    // Saves the calendar file when anything was moved, then closes.
    void done(int result) override;

private:
    QListWidget *List(CMergeDaysModel::Side side) const;
    void MoveOne(CMergeDaysModel::Side from);
    void MoveAll(CMergeDaysModel::Side from);
    void Fill(CMergeDaysModel::Side side);

    CDataFile &m_document;
    CMergeDaysModel m_model;
    QListWidget *m_listSource = nullptr;
    QListWidget *m_listTarget = nullptr;
};

} // namespace orvane
