#include "files/printing.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace talco {

namespace {

// TALCO_PRINT_PDF, when set, names a PDF file that every print goes to, without the dialog
// and with no printer needed: the end-to-end test prints this way, as it cannot drive the
// print dialog. It lives here, in the plugin, so a PDF also shows that the plugin loaded.
QString pdfFile()
{
    return qEnvironmentVariable("TALCO_PRINT_PDF");
}

} // namespace

int PrinterStatus()
{
    int status = OLECMDF_SUPPORTED;
    if (!pdfFile().isEmpty() || !QPrinterInfo::availablePrinters().isEmpty())
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
    if (const QString pdf = pdfFile(); !pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    } else if (prompt) {
        QPrintDialog dialog(&printer, dialogParent);
        dialog.setWindowTitle(QStringLiteral("Talco"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    PrintDocumentTo(page, printer);
    return true;
}

} // namespace talco
