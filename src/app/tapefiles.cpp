// Open and Save: tape files and the CSV export.

#include "app/frmmain.h"
#include "app/messages.h"
#include "app/tapeview.h"
#include "divers/files.h"
#include "files/csv.h"
#include "files/filedialog.h"
#include "files/tapetext.h"
#include "widgets/busycursor.h"

namespace talco {

QString frmMain::chooseTapeFile(const QString& mode, bool* csv)
{
    HideHints();
    if (m_context.chooseFile)
        return m_context.chooseFile(mode, csv);
    return ChoisirUnFichier(this, m_settings.G_Langue, mode, QStringLiteral("kvt"), QString(),
                            m_context.dataFolder, csv); // no name proposed
}

void frmMain::Ouvrir_Click()
{
    const BusyCursor busy;
    const QString path = chooseTapeFile(QStringLiteral("OUVRIR"));
    QString text;
    if (!path.isEmpty() && readTape(path, text)) {
        OpenTapeText(m_tape, text);
        m_view->sync();
    }
}

void frmMain::Enregistrer_Click()
{
    const BusyCursor busy;
    bool csv = false;
    const QString path = chooseTapeFile(QStringLiteral("SAVE"), &csv);
    if (path.isEmpty())
        return;
    QString error;
    const bool written = csv ? WriteFileBytes(path, TapeCsv(m_tape), &error)
                             : WriteTextFile(path, GetTapeText(m_tape), &error);
    if (!written)
        message(Said(Say::CannotSave, m_settings.G_Langue, path,
                     Why(WriteFailure(path, error), m_settings.G_Langue)));
}

} // namespace talco
