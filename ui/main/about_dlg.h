#pragma once

#include <QDialog>

namespace orvane {

class CHyperLink;

// "О программе": the picture, the program's version and two links, the project's web page and
// its mail address.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // Object names of the controls.
    static constexpr int IDC_PICTURE = 141;
    static constexpr int IDC_VERSION = 1075;
    static constexpr int IDC_WEB_LINK = 1077;
    static constexpr int IDC_MAIL_LINK = 1078;
    static constexpr int IDC_OK = 1;

    static inline const QString kWebAddress = QStringLiteral("https://orvane.example.org/");
    static inline const QString kMailAddress = QStringLiteral("orvane@example.org");

    explicit CAboutDlg(QWidget *parent = nullptr);

    CHyperLink &WebLink() const { return *m_pWebLink; }
    CHyperLink &MailLink() const { return *m_pMailLink; }

private:
    CHyperLink *m_pWebLink = nullptr;
    CHyperLink *m_pMailLink = nullptr;
};

} // namespace orvane
