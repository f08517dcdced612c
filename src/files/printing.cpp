#include "files/printing.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace talco {

int PrinterStatus()
{
    int status = OLECMDF_SUPPORTED;
    if (!QPrinterInfo::availablePrinters().isEmpty())
        status |= OLECMDF_ENABLED;
    return status;
}

void PrintDocumentTo(const QTextDocument& page, QPrinter& printer)
{
    page.print(&printer);
}

bool PrintDocument(const QTextDocument& page, bool prompt, QWidget* dialogParent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (prompt) {
        QPrintDialog dialog(&printer, dialogParent);
        dialog.setWindowTitle(QStringLiteral("Talco"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    PrintDocumentTo(page, printer);
    return true;
}

} // namespace talco
