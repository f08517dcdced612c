// The entry procedure: creates the main window, hands it the command line and shows it.

#include "app/frmmain.h"
#include "app/signalwatch.h"
#include "divers/files.h"
#include "keypad/artwork.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSessionManager>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <functional>
#include <optional>
#include <string_view>

namespace talco {

namespace {

// Runs `then` from the event loop once, after the window's first paint has been drawn.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> then)
        : QObject(window), m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

void whenFirstPainted(QWidget* window, std::function<void()> then)
{
    new AfterFirstPaint(window, std::move(then));
}

const char Usage[] =
    "usage: talco [FILE]\n"
    "Starts Talco, the adding machine with an editable paper tape, and opens the tape file\n"
    "FILE if one is given. Everything after the program's name is the file's path, spaces\n"
    "included.\n"
    "\n"
    "  --help      shows this help\n"
    "  --version   shows the version\n";

// --help and --version are answered before Qt starts, so that they work without a display.
// Any other command line is a tape file's path. Returns the exit status when answered.
std::optional<int> answerOption(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    const std::string_view option = argv[1];
    if (option != "--help" && option != "-h" && option != "--version")
        return std::nullopt;
    if (argc > 2) {
        std::fprintf(stderr, "talco: %s takes no other arguments.\n", argv[1]);
        return 2;
    }
    std::fputs(option == "--version" ? "Talco " TALCO_VERSION "\n" : Usage, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int Main(int argc, char** argv)
{
    if (const std::optional<int> status = answerOption(argc, argv))
        return *status;
    ProvideRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talco"));
    QApplication::setOrganizationName(QStringLiteral("Korvelsoft"));
    QApplication::setApplicationVersion(QStringLiteral(TALCO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvelsoft.Talco"));

    frmMain window({ProgramDataFolder(), QLocale::system()});
    // A tape lost at logout or on a kill is lost data: save it on the way out, also
    // while a message box waits at start-up.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.Form_Unload(); });
    SignalWatch watch;
    QObject::connect(&watch, &SignalWatch::terminate, &window, &frmMain::terminate);

    // The command-line text is everything after the program's name, taken whole.
    window.G_FichierIn = QApplication::arguments().mid(1).join(u' ');
    window.Form_Load();
    if (window.terminated())
        return 0;
    window.show();
    window.activateWindow();
    // The icon is for the window manager, not for the first picture on screen: it is read
    // once that picture is drawn. Window managers ask for 16 to 64 pixels; the desktop
    // entry's icon serves larger sizes.
    whenFirstPainted(&window, [] {
        QIcon icon;
        for (int size : {16, 32, 48, 64})
            icon.addPixmap(QPixmap::fromImage(
                Artwork::compiledIn(QStringLiteral("icons/talco-%1").arg(size))));
        QApplication::setWindowIcon(icon);
#ifdef __GLIBC__
        // Start-up frees much of what it builds (font configuration, layouts, the first
        // drawing's buffers) among what it keeps: the pages left wholly free go back to
        // the system instead of staying the process's own for its whole run.
        malloc_trim(0);
#endif
    });

    return app.exec();
}

} // namespace talco

int main(int argc, char** argv)
{
    return talco::Main(argc, argv);
}
