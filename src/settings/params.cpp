#include "settings/params.h"

#include "divers/ansi.h"
#include "divers/files.h"
#include "tape/regionalinfo.h"

#include <QFile>
#include <QFileInfo>

namespace talco {

namespace {

Settings defaults(const QLocale& locale)
{
    Settings s;
    s.G_Langue = GetRegionalInfo(LOCALE_SNATIVELANGNAME, locale) == u"français"
                     ? QStringLiteral("FR")
                     : QStringLiteral("EN");
    return s;
}

// Calls setting(key, value) for each line that holds a value.
template <typename F> void forEachLine(const QString& text, F setting)
{
    // Files edited elsewhere may end lines with LF or CR alone; accept all three.
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        const qsizetype tab1 = line.indexOf(u'\t');
        // A line without a tab holds no value: it is skipped.
        if (tab1 >= 0) {
            const qsizetype tab2 = line.indexOf(u'\t', tab1 + 1);
            setting(line.left(tab1), line.mid(tab1 + 1, tab2 < 0 ? -1 : tab2 - tab1 - 1));
        }
        if (end >= text.size())
            break;
        start =
            end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
    }
}

// The setting a key names, or nothing.
QString Settings::*settingFor(QStringView key)
{
    if (key == u"LANGUE")
        return &Settings::G_Langue;
    if (key == u"2CHIFFRES")
        return &Settings::G_2Chiffres;
    if (key == u"3CHIFFRES")
        return &Settings::G_3Chiffres;
    if (key == u"MILLIERS")
        return &Settings::G_Milliers;
    return nullptr;
}

} // namespace

bool HasSettings(const QString& text)
{
    bool found = false;
    forEachLine(text,
                [&found](QStringView key, QStringView) { found |= settingFor(key) != nullptr; });
    return found;
}

Settings ParseParams(const QString& text, const QLocale& locale)
{
    Settings s = defaults(locale);
    forEachLine(text, [&s](QStringView key, QStringView value) {
        if (QString Settings::*setting = settingFor(key))
            s.*setting = value.toString();
    });
    if (s.G_Langue.isEmpty())
        s.G_Langue = QStringLiteral("FR");
    if (s.G_2Chiffres.isEmpty())
        s.G_2Chiffres = QStringLiteral("1");
    if (s.G_3Chiffres.isEmpty())
        s.G_3Chiffres = QStringLiteral("0");
    if (s.G_Milliers.isEmpty())
        s.G_Milliers = QStringLiteral("1");
    return s;
}

bool GetParams(const QString& path, Settings& settings, const QLocale& locale)
{
    settings = defaults(locale);
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    // params.txt is four short lines; a huge file is not one of ours.
    constexpr qint64 Limit = 1 << 20;
    settings = ParseParams(fromAnsi(file.read(Limit)), locale);
    return true;
}

bool SaveParams(Settings& settings, const QString& path, const QString& langue,
                const QString& les2chiffres, const QString& les3chiffres, const QString& milliers,
                QString* error)
{
    // Copies first: the arguments may be the settings' own strings.
    const Settings next{langue, les2chiffres, les3chiffres, milliers};
    settings = next;
    return WriteTextFile(path, ParamsText(settings), error);
}

QString ParamsText(const Settings& s)
{
    return QStringLiteral("LANGUE\t") + s.G_Langue + QStringLiteral("\r\n2CHIFFRES\t") +
           s.G_2Chiffres + QStringLiteral("\r\n3CHIFFRES\t") + s.G_3Chiffres +
           QStringLiteral("\r\nMILLIERS\t") + s.G_Milliers + QStringLiteral("\r\n");
}

} // namespace talco
