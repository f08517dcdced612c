// The print support as a plugin, loaded by the program on its first print.

#include "files/printing.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int talco_printer_status()
{
    return talco::PrinterStatus();
}

extern "C" Q_DECL_EXPORT bool talco_print_document(const QTextDocument& page, bool prompt,
                                                   QWidget* dialogParent)
{
    return talco::PrintDocument(page, prompt, dialogParent);
}
