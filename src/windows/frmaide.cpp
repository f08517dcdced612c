#include "windows/frmaide.h"

#include "widgets/beside.h"
#include "widgets/twips.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include <algorithm>

namespace talco {

frmAide::frmAide(QWidget* mainWindow, const QStringList& docFolders)
    : QWidget(mainWindow, Qt::Window), m_main(mainWindow), m_docFolders(docFolders),
      m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Documentation"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setOpenExternalLinks(true);
    resize(twipsToPixels(10000), twipsToPixels(7515));
}

QString frmAide::pagePath(const QString& langue) const
{
    const QString name = QStringLiteral("Doc_Talco/doc_") + langue + QStringLiteral(".htm");
    for (const QString& folder : m_docFolders) {
        const QString path = folder + u'/' + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return m_docFolders.isEmpty() ? name : m_docFolders.front() + u'/' + name;
}

void frmAide::Form_Load()
{
    PlaceBeside(m_main, this);
    resize(twipsToPixels(10000), height());
    // A missing page shows as the browser shows any page it cannot find: empty.
    m_browser->setSource(QUrl::fromLocalFile(pagePath(m_langue)));
}

void frmAide::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Never below zero, as when the window is minimised.
    m_browser->setGeometry(0, 0, std::max(0, width() - twipsToPixels(100)),
                           std::max(0, height() - twipsToPixels(500)));
}

} // namespace talco
