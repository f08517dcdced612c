#include "files/ticketbrowser.h"

#include "divers/ansi.h"
#include "divers/files.h"

#include <QFile>
#include <QLibrary>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace talco {

TicketBrowser::TicketBrowser(QObject* parent, std::optional<PrintSupport> support)
    : QObject(parent), m_document(std::make_unique<QTextDocument>()), m_support(support)
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

bool TicketBrowser::loadSupport(QString& error)
{
    if (m_support)
        return true;
    // A plugin beside the program that does not load is told about, not one that is not
    // there.
    QLibrary plugin(PluginFile(QStringLiteral("talco-print.so")));
    if (!plugin.load()) {
        error = plugin.errorString();
        return false;
    }
    PrintSupport support;
    support.status = reinterpret_cast<int (*)()>(plugin.resolve("talco_printer_status"));
    support.print = reinterpret_cast<bool (*)(const QTextDocument&, bool, QWidget*)>(
        plugin.resolve("talco_print_document"));
    if (!support.status || !support.print) {
        error = plugin.errorString();
        return false;
    }
    m_support = support;
    return true;
}

bool TicketBrowser::QueryStatusWB(int& status, QString& error)
{
    if (!m_loadError.isEmpty()) {
        error = m_loadError;
        return false;
    }
    if (!loadSupport(error))
        return false;
    status = m_support->status();
    return true;
}

bool TicketBrowser::ExecWB(bool prompt, QWidget* dialogParent)
{
    QString error;
    return loadSupport(error) && m_support->print(*m_document, prompt, dialogParent);
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
    if (status & OLECMDF_ENABLED)
        browser.ExecWB(prompt, dialogParent);
    else
        message(QStringLiteral("L'imprimante n'est pas disponible !!"));
}

TicketPrinter::TicketPrinter(QWidget* window, Tell tell)
    : QObject(window), m_window(window), m_tell(std::move(tell))
{
}

void TicketPrinter::print(const QString& path, const QString& page)
{
    QString error;
    // A ticket that cannot be written is never replaced by a stale page.
    if (!WriteTextFile(path, page, &error)) {
        m_tell(QStringLiteral("Erreur Impression : ") + error);
        return;
    }
    if (!m_browser) {
        m_browser = new TicketBrowser(this);
        connect(m_browser, &TicketBrowser::NavigateComplete2, this, &TicketPrinter::loaded);
    }
    m_pending = true;
    m_browser->Navigate2(path);
}

void TicketPrinter::loaded()
{
    if (!std::exchange(m_pending, false))
        return;
    PrintTicket(*m_browser, true, m_window, m_tell);
}

} // namespace talco
