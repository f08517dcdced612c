#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace talco {

// The help window: an ordinary, resizable window showing the help page of a language.
class frmAide : public QWidget {
    Q_OBJECT
public:
    frmAide(QWidget* mainWindow, const QStringList& docFolders);

    // Stores the language; the page is loaded when the window loads.
    void Initialisation(const QString& langue) { m_langue = langue; }
    // Places the window beside the main window and loads the page of the stored language.
    void Form_Load();

    QTextBrowser* brwWebBrowser() const { return m_browser; }
    // The page for a language: Doc_Talco/doc_XX.htm in the first folder that has it.
    QString pagePath(const QString& langue) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_main;
    QStringList m_docFolders;
    QTextBrowser* m_browser;
    QString m_langue;
};

} // namespace talco
