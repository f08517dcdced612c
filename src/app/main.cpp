// The entry procedure: creates the main window, hands it the command line and shows it.

#include "app/frmmain.h"
#include "app/signalwatch.h"
#include "divers/artwork.h"
#include "divers/files.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSessionManager>
#include <QStringList>
#include <QTimer>

namespace talco {

int Main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talco"));
    QApplication::setOrganizationName(QStringLiteral("Korvelsoft"));
    QApplication::setApplicationVersion(QStringLiteral(TALCO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvelsoft.Talco"));

    frmMain window({ProgramDataFolder(), QLocale::system()});
    // The command-line text is everything after the program's name, taken whole.
    window.G_FichierIn = QApplication::arguments().mid(1).join(u' ');
    window.Form_Load();
    window.show();
    window.activateWindow();
    // The icon is read at several sizes: not before the window is on screen.
    QTimer::singleShot(0, &window, [] {
        QIcon icon;
        for (int size : {16, 32, 48, 64, 128})
            icon.addPixmap(QPixmap::fromImage(
                ReadImage(QStringLiteral(":/icons/talco-%1.png").arg(size), "png")));
        QApplication::setWindowIcon(icon);
    });

    // A tape lost at logout or on a kill is lost data: save it on the way out.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.Form_Unload(); });
    SignalWatch watch;
    QObject::connect(&watch, &SignalWatch::terminate, &window, &frmMain::closeQuietly);

    return app.exec();
}

} // namespace talco

int main(int argc, char** argv)
{
    return talco::Main(argc, argv);
}
