#include "windows/frmabout.h"

#include "divers/maker.h"
#include "keypad/imagelist.h"
#include "widgets/beside.h"
#include "widgets/picture.h"
#include "widgets/placement.h"
#include "widgets/twips.h"

#include <QEvent>
#include <QLabel>

namespace talco {

namespace {

constexpr int FondWidth = 3000; // twips: the background picture is 200 x 180 pixels
constexpr int FondHeight = 2700;

} // namespace

QString frmAbout::versionLine(const QString& langue)
{
    const QString version = QStringLiteral(TALCO_VERSION);
    return (langue == u"EN" ? QStringLiteral("Release ") : QStringLiteral("Version ")) + version;
}

frmAbout::frmAbout(QWidget* mainWindow, ImageList& images, const QString& langue,
                   std::function<void()> openSite)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_main(mainWindow), m_images(images), m_openSite(std::move(openSite))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_w.ImgFond = new Picture(this);
    m_w.ImgFond->setPicture(images.skin(QStringLiteral("about")));
    m_w.ImgFond->setGeometry(twipsRect(0, 0, FondWidth, FondHeight));
    m_w.ImgFond->setCursor(Qt::SizeAllCursor);
    connect(m_w.ImgFond, &Picture::mouseDown, this, [this] { m_drag.press(this); });
    connect(m_w.ImgFond, &Picture::mouseMove, this, [this] { m_drag.move(this); });
    connect(m_w.ImgFond, &Picture::mouseUp, this, [this] { m_drag.release(); });

    const auto label = [this](QRect place, const QString& text, int points, bool bold,
                              QColor colour) {
        auto* l = new QLabel(text, this);
        l->setGeometry(place);
        QFont f = l->font();
        f.setPointSizeF(points);
        f.setBold(bold);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    const QColor light(0xE8, 0xE8, 0xE8);
    m_w.Label1 = label(twipsRect(300, 560, 2400, 420), QStringLiteral("Talco"), 16, true,
                       QColor(0xFF, 0x80, 0x00));
    m_w.Version =
        label(twipsRect(300, 1000, 2400, 240), QStringLiteral("Version:"), 8, false, light);
    m_w.Fournisseur =
        label(twipsRect(300, 1380, 2400, 240), QString::fromUtf16(maker::Name), 8, true, light);
    m_w.Adresse1 =
        label(twipsRect(300, 1620, 2400, 240), QString::fromUtf16(maker::Street), 8, false, light);
    m_w.CPVille = label(twipsRect(300, 1860, 2400, 240), QString::fromUtf16(maker::TownLine), 8,
                        false, light);
    m_w.Pays =
        label(twipsRect(300, 2100, 2400, 240), QString::fromUtf16(maker::Country), 8, false, light);
    m_w.SiteKorvelsoft =
        label(twipsRect(300, 2380, 2000, 240), QString::fromUtf16(maker::WebAddress), 8, true,
              QColor(0xFF, 0x80, 0x00));
    m_w.SiteKorvelsoft->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_w.SiteKorvelsoft->setCursor(images.handCursor());
    m_w.SiteKorvelsoft->installEventFilter(this);

    m_w.SiteInternet = new Picture(this);
    m_w.SiteInternet->setGeometry(twipsRect(2400, 1860, 480, 480));
    m_w.SiteInternet->setPicture(images.picture(QStringLiteral("siteinternet")));
    m_w.SiteInternet->setCursor(images.handCursor());
    connect(m_w.SiteInternet, &Picture::clicked, this, &frmAbout::SiteInternet_Click);

    m_w.Quitter = MakePictureButton(images, QStringLiteral("quitter"), this);
    m_w.Quitter->setGeometry(twipsRect(2670, 40, 270, 270));
    connect(m_w.Quitter, &Picture::clicked, this, &QWidget::close);

    Form_Load(langue);
}

void frmAbout::Form_Load(const QString& langue)
{
    PlaceTopmost(this, double(FondWidth) / TwipsPerPixel, double(FondHeight + 450) / TwipsPerPixel);
    const bool english = langue == u"EN";
    setWindowTitle(english ? QStringLiteral("About") : QStringLiteral("A propos"));
    m_w.Version->setText(versionLine(langue));
    // For a screen reader, which has no pictures to go by.
    m_w.Quitter->setAccessibleName(english ? QStringLiteral("Close") : QStringLiteral("Fermer"));
    m_w.SiteInternet->setAccessibleName(QString::fromUtf16(maker::WebAddress));
    m_w.SiteInternet->setAccessibleDescription(english
                                                   ? QStringLiteral("Open the maker's web site")
                                                   : QStringLiteral("Ouvrir le site de l'éditeur"));
    resize(m_w.ImgFond->width() + 2, m_w.ImgFond->height());
    PlaceBeside(m_main, this);
}

void frmAbout::SiteInternet_Click()
{
    if (m_openSite)
        m_openSite();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_w.SiteKorvelsoft && event->type() == QEvent::MouseButtonRelease)
        SiteInternet_Click();
    return QWidget::eventFilter(watched, event);
}

} // namespace talco
