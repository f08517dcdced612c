#pragma once

class QPrinter;
class QTextDocument;
class QWidget;

namespace talco {

// What printing needs of Qt's print support. The program loads it as a plugin on the
// first print, so that start-up neither loads nor maps the print support.
struct PrintSupport {
    int (*status)() = nullptr; // the print command's status bits
    bool (*print)(const QTextDocument& page, bool prompt, QWidget* dialogParent) = nullptr;
};

enum PrintStatusBits { OLECMDF_SUPPORTED = 1, OLECMDF_ENABLED = 2 };

// Printing is possible when a printer is there.
int PrinterStatus();
// Prints the page, through the print dialog when prompt is true. False when nothing
// was printed (cancelled).
bool PrintDocument(const QTextDocument& page, bool prompt, QWidget* dialogParent);
// Renders the page on any printer, a PDF file included.
void PrintDocumentTo(const QTextDocument& page, QPrinter& printer);

} // namespace talco
