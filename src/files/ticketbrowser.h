#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QTextDocument;
class QWidget;

namespace talco {

// The hidden page that prints the ticket: it loads ticket.htm, reports when the load
// is complete (from the event loop, after the click that asked for it has returned),
// and prints it through the system print dialog.
class TicketBrowser : public QObject {
    Q_OBJECT
public:
    explicit TicketBrowser(QObject* parent = nullptr);
    ~TicketBrowser() override;

    // Starts loading a local page; NavigateComplete2 follows from the event loop.
    void Navigate2(const QString& path);

    enum StatusBits { OLECMDF_SUPPORTED = 1, OLECMDF_ENABLED = 2 };
    // Whether printing is possible now. Returns false, with the reason in error, when
    // the status cannot be told (the page could not be loaded).
    bool QueryStatusWB(int& status, QString& error) const;

    // Prints the page: through the print dialog when prompt is true. Returns false
    // when nothing was printed (cancelled, or no printer).
    bool ExecWB(bool prompt, QWidget* dialogParent);

    // Renders the page on any printer, a PDF file included.
    void printTo(QPrinter& printer) const;

    const QTextDocument& document() const { return *m_document; }

Q_SIGNALS:
    void NavigateComplete2();

private:
    void load(const QString& path);

    std::unique_ptr<QTextDocument> m_document;
    QString m_loadError;
};

// Prints what the browser holds, or tells why it cannot: "Erreur Impression : " when
// the status cannot be read, "L'imprimante n'est pas disponible !!" when there is no
// printer. Messages go through message.
void PrintTicket(TicketBrowser& browser, bool prompt, QWidget* dialogParent,
                 const std::function<void(const QString&)>& message);

} // namespace talco
