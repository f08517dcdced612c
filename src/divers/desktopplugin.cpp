// The desktop's programs through GIO, as a plugin that the program loads the first time
// it looks for one: GIO and the libraries under it are not loaded at start-up.

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QUrl>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T> using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GFree {
    void operator()(gpointer memory) const { g_free(memory); }
};

// A file that is there stays a file whatever its name looks like; anything else with a
// scheme is an address, handed on as written.
QByteArray uriOf(const QString& document)
{
    if (!QFileInfo::exists(document) && QUrl(document).scheme().size() > 1)
        return document.toUtf8();
    const std::unique_ptr<gchar, GFree> uri(g_filename_to_uri(
        QFile::encodeName(QFileInfo(document).absoluteFilePath()).constData(), nullptr, nullptr));
    return QByteArray(uri.get());
}

} // namespace

// The desktop entry of the default program for the document's type, or nothing.
extern "C" Q_DECL_EXPORT void talco_program_for(const QString& document, QString& entry)
{
    entry.clear();
    // By the name, as the association is by extension: tmp.htm is empty, and its
    // content would say nothing.
    const std::unique_ptr<gchar, GFree> type(
        g_content_type_guess(QFile::encodeName(document).constData(), nullptr, 0, nullptr));
    if (g_content_type_is_unknown(type.get()))
        return; // an unknown type has no program of its own
    const GObjectPtr<GAppInfo> app(g_app_info_get_default_for_type(type.get(), FALSE));
    if (!app || !G_IS_DESKTOP_APP_INFO(app.get()))
        return;
    if (const char* file = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app.get())))
        entry = QFile::decodeName(file);
}

// Started as the desktop starts it: the Exec line's own words, then the document in
// place of its field code, all as a list. False when the file is not an entry or its
// program is gone.
extern "C" Q_DECL_EXPORT bool talco_launch_entry(const QString& entry, const QString& document)
{
    const GObjectPtr<GDesktopAppInfo> app(
        g_desktop_app_info_new_from_filename(QFile::encodeName(entry).constData()));
    if (!app)
        return false;
    QByteArray uri = uriOf(document);
    GList uris{uri.data(), nullptr, nullptr};
    g_app_info_launch_uris(G_APP_INFO(app.get()), &uris, nullptr, nullptr);
    return true;
}
