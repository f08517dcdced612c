#include "app/messages.h"

namespace talco {

namespace {

bool english(const QString& langue)
{
    return langue == u"EN";
}

} // namespace

QString Said(Say what, const QString& langue, const QString& arg1, const QString& arg2)
{
    struct Text {
        const char16_t* fr;
        const char16_t* en;
    };
    static const Text texts[] = {
        {u"Impossible d'ouvrir %1 : %2.", u"Cannot open %1: %2."},
        {u"Impossible d'enregistrer %1 : %2.", u"Cannot save %1: %2."},
        {u"Impossible d'enregistrer les paramètres dans %1 : %2.",
         u"Cannot save the settings in %1: %2."},
        {u"%1 n'a pas pu être lu : les réglages par défaut sont utilisés.",
         u"%1 could not be read, so the default settings are used."},
        {u"Le ruban de la dernière session est laissé dans %1. Celui-ci sera enregistré dans %2.",
         u"The last session's tape is left in %1. This one will be saved in %2."},
        {u"Le ruban n'a pas pu être enregistré dans %1 : %2.\n\nFermer quand même ?",
         u"The tape could not be saved in %1: %2.\n\nClose anyway?"},
    };
    const Text& text = texts[int(what)];
    const QString pattern = QString::fromUtf16(english(langue) ? text.en : text.fr);
    // Both at once, so that a %2 inside the first (a file name) stays as it is.
    return pattern.contains(u"%2") ? pattern.arg(arg1, arg2) : pattern.arg(arg1);
}

QString Why(const FileError& error, const QString& langue)
{
    return FileErrorText(error, english(langue));
}

} // namespace talco
