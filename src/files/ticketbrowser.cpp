#include "files/ticketbrowser.h"

#include "files/ansi.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTimer>

#include <functional>

namespace talco {

TicketBrowser::TicketBrowser(QObject* parent)
    : QObject(parent), m_document(std::make_unique<QTextDocument>())
{
}

TicketBrowser::~TicketBrowser() = default;

void TicketBrowser::Navigate2(const QString& path)
{
    // A browser loads on its own and tells when it is done: never inside the caller.
    QTimer::singleShot(0, this, [this, path] {
        load(path);
        Q_EMIT NavigateComplete2();
    });
}

void TicketBrowser::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadError = file.errorString();
        m_document->clear();
        return;
    }
    m_loadError.clear();
    m_document->setHtml(fromAnsi(file.readAll()));
}

bool TicketBrowser::QueryStatusWB(int& status, QString& error) const
{
    if (!m_loadError.isEmpty()) {
        error = m_loadError;
        return false;
    }
    status = OLECMDF_SUPPORTED;
    if (!QPrinterInfo::availablePrinters().isEmpty())
        status |= OLECMDF_ENABLED;
    return true;
}

void TicketBrowser::printTo(QPrinter& printer) const
{
    m_document->print(&printer);
}

bool TicketBrowser::ExecWB(bool prompt, QWidget* dialogParent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (prompt) {
        QPrintDialog dialog(&printer, dialogParent);
        dialog.setWindowTitle(QStringLiteral("Talco"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    printTo(printer);
    return true;
}

void PrintTicket(TicketBrowser& browser, bool prompt, QWidget* dialogParent,
                 const std::function<void(const QString&)>& message)
{
    int status = 0;
    QString error;
    if (!browser.QueryStatusWB(status, error)) {
        message(QStringLiteral("Erreur Impression : ") + error);
        return;
    }
    if (status & TicketBrowser::OLECMDF_ENABLED)
        browser.ExecWB(prompt, dialogParent);
    else
        message(QStringLiteral("L'imprimante n'est pas disponible !!"));
}

} // namespace talco
