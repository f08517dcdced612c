#pragma once

#include "files/printing.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QTextDocument;
class QWidget;

namespace talco {

// The hidden page that prints the ticket: it loads ticket.htm, reports when the load
// is complete (from the event loop, after the click that asked for it has returned),
// and prints it through the system print dialog.
class TicketBrowser : public QObject {
    Q_OBJECT
public:
    // Without support given, the print support plugin is loaded on the first print.
    explicit TicketBrowser(QObject* parent = nullptr,
                           std::optional<PrintSupport> support = std::nullopt);
    ~TicketBrowser() override;

    // Starts loading a local page; NavigateComplete2 follows from the event loop.
    void Navigate2(const QString& path);

    // Whether printing is possible now. Returns false, with the reason in error, when
    // the status cannot be told (the page or the print support could not be loaded).
    bool QueryStatusWB(int& status, QString& error);

    // Prints the page: through the print dialog when prompt is true. Returns false
    // when nothing was printed.
    bool ExecWB(bool prompt, QWidget* dialogParent);

    const QTextDocument& document() const { return *m_document; }

Q_SIGNALS:
    void NavigateComplete2();

private:
    void load(const QString& path);
    bool loadSupport(QString& error);

    std::unique_ptr<QTextDocument> m_document;
    QString m_loadError;
    std::optional<PrintSupport> m_support;
};

// Prints what the browser holds, or tells why it cannot: "Erreur Impression : " when
// the status cannot be read, "L'imprimante n'est pas disponible !!" when there is no
// printer. Messages go through message.
void PrintTicket(TicketBrowser& browser, bool prompt, QWidget* dialogParent,
                 const std::function<void(const QString&)>& message);

// The window's Print: writes the ticket's page, loads it, and prints it through the print
// dialog once it is loaded. The browser is made on the first print.
class TicketPrinter : public QObject {
public:
    using Tell = std::function<void(const QString&)>;

    TicketPrinter(QWidget* window, Tell tell);

    void print(const QString& path, const QString& page);
    // A page is loading, to be printed when it is there.
    bool pending() const { return m_pending; }

private:
    void loaded();

    QWidget* m_window;
    Tell m_tell;
    TicketBrowser* m_browser = nullptr;
    bool m_pending = false;
};

} // namespace talco
