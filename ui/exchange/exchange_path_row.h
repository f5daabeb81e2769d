#pragma once

#include <QWidget>

class QLineEdit;

namespace orvane {

class CToolTipButton;

// The path field of an exchange document (control 1003) with its browse button (1073), which
// runs the file dialog for saving (asking before it overwrites) or for opening.
class CExchangePathRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDC_PATH = 1003;
    static constexpr int IDC_BROWSE = 1073;

    enum class Mode { Save, Open };
    CExchangePathRow(Mode mode, QWidget *parent = nullptr);

    QString Path() const;
    // Names the field, for assistive technology, after the caption of its choice.
    void SetFieldName(const QString &name);
    // Enables or disables the field and the button together.
    void SetActive(bool active);

Q_SIGNALS:
    // The user chose a file: its full path is in the field.
    void pathChosen();

private:
    void OnBrowse();

    Mode m_mode;
    QLineEdit *m_edit;
    CToolTipButton *m_browse;
};

} // namespace orvane
